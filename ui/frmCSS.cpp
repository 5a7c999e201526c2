#include "ui/frmCSS.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/fila_color.h"
#include "ui/lista_fija.h"

namespace vendaluz {
namespace {

const QStringList kDecorados = {QStringLiteral("none"), QStringLiteral("overline"),
                                QStringLiteral("underline")};

}  // namespace

frmCSS::frmCSS(Proyecto& p, Dialogos& dialogos, QWidget* padre) : QDialog(padre), p_(p) {
  setObjectName("frmCSS");
  setWindowTitle(QStringLiteral("Hoja de Estilo"));
  setModal(true);

  QComboBox** listas[2][3] = {{&cboCSSFuente1_, &cboCSSTFuente1_, &cboCSSDeco1_},
                              {&cboCSSFuente2_, &cboCSSTFuente2_, &cboCSSDeco2_}};
  auto* fila = new QHBoxLayout;
  const char* const titulos[2] = {" Hipervínculo ", " Hover "};
  for (int g = 0; g < 2; ++g) {
    auto* marco = new QGroupBox(QString::fromUtf8(titulos[g]), this);
    marco->setObjectName(g == 0 ? "fraHipervinculo" : "fraHover");
    auto* rejilla = new QGridLayout(marco);
    for (int j = 0; j < 2; ++j) {
      const int i = g * 2 + j;
      colores_[i] =
          new FilaColor(QStringLiteral("lblCSS%1").arg(i), QStringLiteral("txtCSSColor%1").arg(i),
                        QStringLiteral("cmdColorCSS%1").arg(i), dialogos, marco);
      rejilla->addWidget(
          new QLabel(j == 0 ? QStringLiteral("Color Texto:") : QStringLiteral("Color Fondo:"),
                     marco),
          j, 0);
      rejilla->addWidget(colores_[i]->muestra, j, 1);
      rejilla->addWidget(colores_[i]->texto, j, 2);
      rejilla->addWidget(colores_[i]->boton, j, 3);
    }
    const QString n = QString::number(g + 1);
    *listas[g][0] = CrearListaFija("cboCSSFuente" + n, FuentesOfrecidas(), marco);
    *listas[g][1] = CrearListaFija("cboCSSTFuente" + n, TamanosOfrecidos(), marco);
    *listas[g][2] = CrearListaFija("cboCSSDeco" + n, kDecorados, marco);
    const char* const etiquetas[3] = {"Fuente predeterminada:", "Tamaño:", "Decorado:"};
    for (int k = 0; k < 3; ++k) {
      auto* etiqueta = new QLabel(QString::fromUtf8(etiquetas[k]), marco);
      etiqueta->setBuddy(*listas[g][k]);
      rejilla->addWidget(etiqueta, 2 + k, 0);
      rejilla->addWidget(*listas[g][k], 2 + k, 1, 1, 3);
    }
    fila->addWidget(marco);
  }

  // The dialog starts from the project's settings.
  for (int i = 0; i < 4; ++i) colores_[i]->Poner(p_.css.CSS[i]);
  MostrarEnLista(cboCSSFuente1_, AQt(p_.css.Fuente1));
  MostrarEnLista(cboCSSTFuente1_, AQt(p_.css.TamanoFuente1));
  MostrarEnLista(cboCSSDeco1_, AQt(p_.css.Decoracion1));
  MostrarEnLista(cboCSSFuente2_, AQt(p_.css.Fuente2));
  MostrarEnLista(cboCSSTFuente2_, AQt(p_.css.TamanoFuente2));
  MostrarEnLista(cboCSSDeco2_, AQt(p_.css.Decoracion2));

  auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  aceptar->setObjectName("cmdAceptar");
  aceptar->setDefault(true);
  auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  cancelar->setObjectName("cmdCancelar");
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(aceptar);
  botones->addWidget(cancelar);
  auto* columna = new QVBoxLayout(this);
  columna->addLayout(fila);
  columna->addLayout(botones);

  connect(aceptar, &QPushButton::clicked, this, &frmCSS::Aceptar);
  connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void frmCSS::Aceptar() {
  for (int i = 0; i < 4; ++i) p_.css.CSS[i] = colores_[i]->Valor();
  p_.css.Fuente1 = AStd(cboCSSFuente1_->currentText());
  p_.css.TamanoFuente1 = AStd(cboCSSTFuente1_->currentText());
  p_.css.Decoracion1 = AStd(cboCSSDeco1_->currentText());
  p_.css.Fuente2 = AStd(cboCSSFuente2_->currentText());
  p_.css.TamanoFuente2 = AStd(cboCSSTFuente2_->currentText());
  p_.css.Decoracion2 = AStd(cboCSSDeco2_->currentText());
  accept();
}

}  // namespace vendaluz
