#include "ui/frmCSS.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/fila_botones.h"
#include "ui/selector_color.h"
#include "ui/teclas.h"

namespace vendaluz {

QStringList FuentesOfrecidas() {
  return {QStringLiteral("Arial"), QStringLiteral("Times New Roman"), QStringLiteral("Verdana")};
}
QStringList TamanosOfrecidos() {
  return {QStringLiteral("10pt"), QStringLiteral("11pt"), QStringLiteral("12pt"),
          QStringLiteral("13pt"), QStringLiteral("14pt")};
}

frmCSS::frmCSS(Proyecto& p, Dialogos& dialogos, QWidget* padre) : QDialog(padre), p_(p) {
  setObjectName("frmCSS");
  setWindowTitle(QStringLiteral("Hoja de Estilo"));
  setModal(true);
  auto* columna = new QVBoxLayout(this);
  const char* marcos[] = {" Hipervínculo ", " Hover "};
  const QStringList decorados = {QStringLiteral("none"), QStringLiteral("overline"),
                                 QStringLiteral("underline")};
  const std::string* valores[] = {&p_.css.Fuente1, &p_.css.TamanoFuente1, &p_.css.Decoracion1,
                                  &p_.css.Fuente2, &p_.css.TamanoFuente2, &p_.css.Decoracion2};
  for (int m = 0; m < 2; ++m) {
    auto* marco = new QGroupBox(QString::fromUtf8(marcos[m]), this);
    auto* rejilla = new QGridLayout(marco);
    for (int j = 0; j < 2; ++j) {
      const int i = 2 * m + j;
      colores_[i] = new SelectorColor(dialogos, marco, QStringLiteral("lblCSS%1").arg(i),
                                      QStringLiteral("txtCSSColor%1").arg(i),
                                      QStringLiteral("cmdColorCSS%1").arg(i), nullptr);
      colores_[i]->Mostrar(p_.css.CSS[i]);
      rejilla->addWidget(
          new QLabel(j == 0 ? QStringLiteral("Color Texto:") : QStringLiteral("Color Fondo:"),
                     marco),
          j, 0);
      rejilla->addWidget(colores_[i]->swatch(), j, 1);
      rejilla->addWidget(colores_[i]->texto(), j, 2);
      rejilla->addWidget(colores_[i]->boton(), j, 3);
    }
    const char* etiquetas[] = {"Fuente predeterminada:", "Tamaño:", "Decorado:"};
    const char* nombres[] = {"cboCSSFuente", "cboCSSTFuente", "cboCSSDeco"};
    const QStringList opciones[] = {FuentesOfrecidas(), TamanosOfrecidos(), decorados};
    for (int k = 0; k < 3; ++k) {
      auto* lista = new QComboBox(marco);  // not editable: a value is only picked
      lista->setObjectName(QString::fromLatin1(nombres[k]) + QString::number(m + 1));
      lista->addItems(opciones[k]);
      NoTeclear(lista);
      const QString valor = AQt(*valores[3 * m + k]);
      if (lista->findText(valor) < 0) lista->addItem(valor);
      lista->setCurrentText(valor);
      listas_[3 * m + k] = lista;
      auto* l = new QLabel(QString::fromUtf8(etiquetas[k]), marco);
      l->setBuddy(lista);
      rejilla->addWidget(l, 2 + k, 0);
      rejilla->addWidget(lista, 2 + k, 1, 1, 3);
    }
    columna->addWidget(marco);
  }
  const FilaBotones botones = CrearFilaBotones(this);
  columna->addLayout(botones.fila);
  connect(botones.aceptar, &QPushButton::clicked, this, &frmCSS::Aceptar);
}

void frmCSS::Aceptar() {
  for (int i = 0; i < 4; ++i) p_.css.CSS[i] = colores_[i]->Valor();
  std::string* valores[] = {&p_.css.Fuente1, &p_.css.TamanoFuente1, &p_.css.Decoracion1,
                            &p_.css.Fuente2, &p_.css.TamanoFuente2, &p_.css.Decoracion2};
  for (int k = 0; k < 6; ++k) *valores[k] = AStd(listas_[k]->currentText());
  accept();
}

}  // namespace vendaluz
