#include "ui/frmCGI.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/dialogos.h"
#include "ui/fila_botones.h"

namespace vendaluz {

QString UltimaParte(const QString& direccion) {
  return direccion.mid(direccion.lastIndexOf(QLatin1Char('/')) + 1).left(18);
}

frmCGI::frmCGI(Proyecto& p, Dialogos& dialogos, QWidget* padre)
    : QDialog(padre), p_(p), dialogos_(dialogos) {
  setObjectName("frmCGI");
  setWindowTitle(QStringLiteral("CGI Script"));
  setModal(true);
  auto caja = [this](const char* nombre, const std::string& valor) {
    auto* t = new QLineEdit(AQt(valor), this);
    t->setObjectName(nombre);
    return t;
  };
  txtCGIPerl_ = caja("txtCGIPerl", p_.cgi.Perl);
  txtCGISendMail_ = caja("txtCGISendMail", p_.cgi.SendMail);
  txtCGIRuta_ = caja("txtCGIRuta", p_.cgi.Ruta);
  txtCGIHost_ = caja("txtCGIHost", p_.cgi.Host);
  auto* filas = new QFormLayout;
  filas->addRow(QStringLiteral("Ubicación de &Perl:"), txtCGIPerl_);
  filas->addRow(QStringLiteral("Programa &SendMail:"), txtCGISendMail_);
  filas->addRow(QStringLiteral("&Ruta al CGI (URL):"), txtCGIRuta_);
  filas->addRow(
      new QLabel(QStringLiteral("El script podrá ser ejecutado únicamente desde:"), this));
  filas->addRow(QStringLiteral("&DNS o Dirección IP:"), txtCGIHost_);

  const FilaBotones botones = CrearFilaBotones(this);
  auto* columna = new QVBoxLayout(this);
  columna->addLayout(filas);
  columna->addLayout(botones.fila);
  setMinimumWidth(440);
  connect(botones.aceptar, &QPushButton::clicked, this, &frmCGI::Aceptar);
}

void frmCGI::Aceptar() {
  for (QLineEdit* t : {txtCGIPerl_, txtCGISendMail_, txtCGIRuta_, txtCGIHost_}) {
    if (t->text().isEmpty()) return;
  }
  if (UltimaParte(txtCGIRuta_->text()) != QLatin1String("enviar.pl")) {
    dialogos_.Pitido();
    dialogos_.Mensaje(this,
                      QStringLiteral("La ruta al CGI no es válida:\r\nAsegúrese que termine con: "
                                     "enviar.pl"),
                      Icono::kAdvertencia);
    return;
  }
  p_.cgi.Perl = AStd(txtCGIPerl_->text());
  p_.cgi.SendMail = AStd(txtCGISendMail_->text());
  p_.cgi.Ruta = AStd(txtCGIRuta_->text());
  p_.cgi.Host = AStd(txtCGIHost_->text());
  accept();
}

}  // namespace vendaluz
