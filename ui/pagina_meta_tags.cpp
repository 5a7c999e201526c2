#include "ui/pagina_meta_tags.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/frmMeta.h"

namespace vendaluz {

PaginaMetaTags::PaginaMetaTags(Proyecto& p, QWidget* padre) : PaginaProyecto(p, padre) {
  auto* marco = new QGroupBox(QStringLiteral(" Variables del usuario "), this);
  cheIncluirMetas_ =
      new QCheckBox(QStringLiteral("&Incluir Meta Tags en la página principal"), marco);
  cheIncluirMetas_->setObjectName("cheIncluirMetas");
  auto* cmdMeta = new QPushButton(QStringLiteral("&Editar Valor"), marco);
  cmdMeta->setObjectName("cmdMeta");
  auto* texto = new QLabel(
      QStringLiteral("Los Meta Tags cumplen una función meramente informativa. Muchos buscadores "
                     "toman en cuenta estos datos para generar la lista de resultados."),
      marco);
  texto->setWordWrap(true);
  lstMeta_ = new QTreeWidget(marco);
  lstMeta_->setObjectName("lstMeta");
  lstMeta_->setHeaderLabels({QStringLiteral("Nombre"), QStringLiteral("Valor")});
  lstMeta_->setRootIsDecorated(false);
  lstMeta_->header()->resizeSection(0, 180);
  for (const MetaTag& m : kMetaTags) {
    new QTreeWidgetItem(lstMeta_, {QString::fromUtf8(m.etiqueta.data(), m.etiqueta.size())});
  }

  auto* arriba = new QHBoxLayout;
  arriba->addWidget(cheIncluirMetas_);
  arriba->addStretch(1);
  arriba->addWidget(cmdMeta);
  auto* columna = new QVBoxLayout(marco);
  columna->addLayout(arriba);
  columna->addWidget(texto);
  columna->addWidget(lstMeta_, 1);
  auto* pagina = new QVBoxLayout(this);
  pagina->addWidget(marco);

  connect(cheIncluirMetas_, &QCheckBox::clicked, this,
          [this](bool m) { p_.metaTags.Incluir = m ? 1 : 0; });
  connect(cmdMeta, &QPushButton::clicked, this, &PaginaMetaTags::EditarValor);
  connect(lstMeta_, &QTreeWidget::itemActivated, this, &PaginaMetaTags::EditarValor);
}

void PaginaMetaTags::Mostrar() {
  cheIncluirMetas_->setChecked(p_.metaTags.Incluir == 1);
  for (int i = 0; i < lstMeta_->topLevelItemCount(); ++i) {
    lstMeta_->topLevelItem(i)->setText(1, AQt(p_.metaTags.valor[i]));
  }
  lstMeta_->setCurrentItem(lstMeta_->topLevelItem(0));
}

void PaginaMetaTags::EditarValor() {
  QTreeWidgetItem* fila = lstMeta_->currentItem();
  if (!fila) return;
  const int i = lstMeta_->indexOfTopLevelItem(fila);
  frmMeta dialogo(fila->text(0), fila->text(1), this);
  if (dialogo.exec() != QDialog::Accepted) return;
  p_.metaTags.valor[i] = AStd(dialogo.Valor());
  fila->setText(1, dialogo.Valor());
}

}  // namespace vendaluz
