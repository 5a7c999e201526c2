#include "ui/pagina_inicio.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <utility>

#include "model/reglas.h"
#include "ui/conversion.h"
#include "ui/frmExaminar.h"
#include "ui/logo.h"

namespace vendaluz {
namespace {

// Refuses an edit of the name that brings in a character a folder name cannot hold,
// and keeps that character in rechazado for the warning. A name read from a file may
// already hold some: comparing with the name as it was lets the user remove them.
class ValidadorNombre : public QValidator {
 public:
  ValidadorNombre(const std::string& anterior, char& rechazado, QObject* padre)
      : QValidator(padre), anterior_(anterior), rechazado_(rechazado) {}

  State validate(QString& texto, int&) const override {
    const std::string nuevo = AStd(texto);
    for (char c : nuevo) {
      if (EsCaracterProhibido(c) && std::count(nuevo.begin(), nuevo.end(), c) >
                                        std::count(anterior_.begin(), anterior_.end(), c)) {
        rechazado_ = c;
        return Invalid;
      }
    }
    return Acceptable;
  }

 private:
  const std::string& anterior_;
  char& rechazado_;
};

}  // namespace

PaginaInicio::PaginaInicio(Proyecto& p, Entorno& entorno, QWidget* padre)
    : PaginaProyecto(p, padre), entorno_(entorno) {
  auto* propiedades = new QGroupBox(QStringLiteral(" Propiedades "), this);
  propiedades->setObjectName("fraPropiedades");
  txtNombrePro_ = new QLineEdit(propiedades);
  txtNombrePro_->setObjectName("txtNombrePro");
  txtNombrePro_->setMaxLength(kLargoNombre);
  txtNombrePro_->installEventFilter(this);
  txtNombrePro_->setValidator(new ValidadorNombre(p_.inicio.Nombre, rechazado_, txtNombrePro_));
  lblAvisoNombre_ = new QLabel(propiedades);
  lblAvisoNombre_->setObjectName("lblAvisoNombre");
  lblAvisoNombre_->setWordWrap(true);
  QPalette rojo = lblAvisoNombre_->palette();
  rojo.setColor(QPalette::WindowText, QColor(192, 0, 0));
  lblAvisoNombre_->setPalette(rojo);
  lblAvisoNombre_->hide();
  txtDesPro_ = new QLineEdit(propiedades);
  txtDesPro_->setObjectName("txtDesPro");
  txtCarpetaPre_ = new QLineEdit(propiedades);
  txtCarpetaPre_->setObjectName("txtCarpetaPre");
  txtCarpetaPre_->setReadOnly(true);
  cmdExaminar_ = new QPushButton(QStringLiteral("E&xaminar"), propiedades);
  cmdExaminar_->setObjectName("cmdExaminar");

  auto* rejilla = new QGridLayout(propiedades);
  auto etiqueta = [&](const char* texto, QWidget* control) {
    auto* l = new QLabel(QString::fromUtf8(texto), propiedades);
    l->setBuddy(control);
    return l;
  };
  rejilla->addWidget(etiqueta("&Nombre del Proyecto:", txtNombrePro_), 0, 0);
  rejilla->addWidget(txtNombrePro_, 0, 1, 1, 2);
  rejilla->addWidget(lblAvisoNombre_, 1, 1, 1, 2);
  rejilla->addWidget(etiqueta("&Descripción del Proyecto:", txtDesPro_), 2, 0);
  rejilla->addWidget(txtDesPro_, 2, 1, 1, 2);
  rejilla->addWidget(etiqueta("&Guardar Proyecto en:", txtCarpetaPre_), 3, 0);
  rejilla->addWidget(txtCarpetaPre_, 3, 1);
  rejilla->addWidget(cmdExaminar_, 3, 2);
  rejilla->setColumnStretch(1, 1);

  auto* nota = new QGroupBox(this);
  auto* imagen = new QLabel(nota);
  imagen->setPixmap(LogoVendaluz(72));
  auto* texto = new QLabel(
      QStringLiteral("Antes de comenzar a crear el carrito de compra, le recomendamos que lea "
                     "el archivo de ayuda."),
      nota);
  texto->setWordWrap(true);
  auto* filaNota = new QHBoxLayout(nota);
  filaNota->addWidget(imagen);
  filaNota->addWidget(texto, 1);

  auto* columna = new QVBoxLayout(this);
  columna->addWidget(propiedades);
  columna->addWidget(nota);
  columna->addStretch(1);

  connect(txtNombrePro_, &QLineEdit::textEdited, this, [this](const QString& texto) {
    lblAvisoNombre_->hide();
    p_.inicio.Nombre = AStd(texto);
    emit nombreCambiado();
  });
  connect(txtNombrePro_, &QLineEdit::inputRejected, this, &PaginaInicio::NombreRechazado);
  connect(txtDesPro_, &QLineEdit::textEdited, this,
          [this](const QString& texto) { p_.inicio.Descripcion = AStd(texto); });
  connect(cmdExaminar_, &QPushButton::clicked, this, &PaginaInicio::Examinar);
}

void PaginaInicio::Mostrar() {
  const QString nombre = AQt(p_.inicio.Nombre);
  // A longer name read from a file is shown whole; the user can only shorten it.
  txtNombrePro_->setMaxLength(std::max<int>(kLargoNombre, nombre.size()));
  txtNombrePro_->setText(nombre);
  lblAvisoNombre_->hide();
  txtDesPro_->setText(AQt(p_.inicio.Descripcion));
  txtCarpetaPre_->setText(AQt(p_.inicio.Carpeta));
  txtCarpetaPre_->setCursorPosition(0);
}

bool PaginaInicio::eventFilter(QObject* objeto, QEvent* evento) {
  // Select the whole name when the box gets the focus; deferred, because a mouse
  // click that gave the focus would otherwise place the cursor after this.
  if (objeto == txtNombrePro_ && evento->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, txtNombrePro_, &QLineEdit::selectAll);
  }
  return PaginaProyecto::eventFilter(objeto, evento);
}

void PaginaInicio::NombreRechazado() {
  // The box also rejects typing past its length, with no character refused.
  const char c = std::exchange(rechazado_, 0);
  if (c == 0) return;
  entorno_.dialogos.Pitido();
  const QString cual = c == '/' || c == '\\' ? QStringLiteral("«") + QChar(c) + QStringLiteral("»")
                       : c == '\t'           ? QStringLiteral("tabuladores")
                                             : QStringLiteral("caracteres de control");
  lblAvisoNombre_->setText(QStringLiteral("El nombre no puede contener ") + cual +
                           QStringLiteral(": es el nombre de la carpeta de la tienda."));
  lblAvisoNombre_->show();
}

void PaginaInicio::Examinar() {
  frmExaminar examinar(entorno_, frmExaminar::Modo::kCarpetaProyecto, AQt(p_.inicio.Nombre), this);
  if (examinar.exec() != QDialog::Accepted) return;
  p_.inicio.Carpeta = AStd(examinar.Carpeta());
  txtCarpetaPre_->setText(examinar.Carpeta());
  txtCarpetaPre_->setCursorPosition(0);
}

}  // namespace vendaluz
