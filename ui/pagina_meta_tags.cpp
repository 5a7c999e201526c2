#include "ui/pagina_meta_tags.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/frmMeta.h"

namespace vendaluz {

PaginaMetaTags::PaginaMetaTags(Proyecto& p, QWidget* padre) : PaginaProyecto(p, padre) {
  auto* marco = new QGroupBox(QStringLiteral(" Variables del usuario "), this);
  marco->setObjectName("fraMeta");
  cheIncluirMetas_ =
      new QCheckBox(QStringLiteral("&Incluir Meta Tags en la página principal"), marco);
  cheIncluirMetas_->setObjectName("cheIncluirMetas");
  auto* cmdMeta = new QPushButton(QStringLiteral("&Editar Valor"), marco);
  cmdMeta->setObjectName("cmdMeta");
  auto* nota = new QLabel(
      QStringLiteral("Los Meta Tags cumplen una función meramente informativa. Muchos buscadores "
                     "toman en cuenta estos datos para generar la lista de resultados."),
      marco);
  nota->setWordWrap(true);
  lstMeta_ = new QTreeWidget(marco);
  lstMeta_->setObjectName("lstMeta");
  lstMeta_->setHeaderLabels({QStringLiteral("Nombre"), QStringLiteral("Valor")});
  lstMeta_->setRootIsDecorated(false);
  lstMeta_->setColumnWidth(0, 160);
  for (const MetaTag& m : kMetaTags) {
    new QTreeWidgetItem(lstMeta_, {QString::fromUtf8(m.etiqueta.data(), m.etiqueta.size()), {}});
  }
  lstMeta_->setCurrentItem(lstMeta_->topLevelItem(0));

  auto* fila = new QHBoxLayout;
  fila->addWidget(cheIncluirMetas_, 1);
  fila->addWidget(cmdMeta);
  auto* columnaMarco = new QVBoxLayout(marco);
  columnaMarco->addLayout(fila);
  columnaMarco->addWidget(nota);
  columnaMarco->addWidget(lstMeta_, 1);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(marco);

  connect(cheIncluirMetas_, &QCheckBox::clicked, this,
          [this](bool c) { p_.metaTags.Incluir = c ? 1 : 0; });
  connect(cmdMeta, &QPushButton::clicked, this, &PaginaMetaTags::EditarValor);
  // A double click on a row, or Enter on it, edits it.
  connect(lstMeta_, &QTreeWidget::itemActivated, this, &PaginaMetaTags::EditarValor);
}

void PaginaMetaTags::Mostrar() {
  cheIncluirMetas_->setChecked(p_.metaTags.Incluir == 1);
  for (int i = 0; i < lstMeta_->topLevelItemCount(); ++i) {
    lstMeta_->topLevelItem(i)->setText(1, AQt(p_.metaTags.valor[static_cast<std::size_t>(i)]));
  }
}

void PaginaMetaTags::EditarValor() {
  if (lstMeta_->topLevelItemCount() == 0) return;
  QTreeWidgetItem* fila = lstMeta_->currentItem();
  if (!fila) fila = lstMeta_->topLevelItem(0);
  const int i = lstMeta_->indexOfTopLevelItem(fila);
  frmMeta dialogo(fila->text(0), fila->text(1), this);
  if (dialogo.exec() != QDialog::Accepted) return;
  p_.metaTags.valor[static_cast<std::size_t>(i)] = AStd(dialogo.Valor());
  fila->setText(1, dialogo.Valor());
}

}  // namespace vendaluz
