#include "ui/frmReporte.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/reporte.h"
#include "ui/conversion.h"

namespace vendaluz {
namespace {

// Asks for the height that a value needs when wrapped at its column's present width;
// the tree view alone measures every value as one line.
class DelegadoEstado : public QStyledItemDelegate {
 public:
  explicit DelegadoEstado(QTreeWidget* lista) : QStyledItemDelegate(lista), lista_(lista) {}
  QSize sizeHint(const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override {
    QStyleOptionViewItem ajustada = opcion;
    ajustada.rect = QRect(0, 0, lista_->columnWidth(indice.column()), 1);
    return QStyledItemDelegate::sizeHint(ajustada, indice);
  }

 private:
  QTreeWidget* lista_;
};

}  // namespace

frmReporte::frmReporte(const Proyecto& p, QWidget* padre) : QDialog(padre) {
  setObjectName("frmReporte");
  setWindowTitle(QStringLiteral("Reporte"));
  setModal(true);

  lblReporte_ = new QLabel(this);
  lblReporte_->setObjectName("lblReporte");
  QFont negrita = lblReporte_->font();
  negrita.setBold(true);
  lblReporte_->setFont(negrita);
  lstReporte_ = new QTreeWidget(this);
  lstReporte_->setObjectName("lstReporte");
  lstReporte_->setColumnCount(2);
  lstReporte_->setHeaderLabels({QStringLiteral("Opción"), QStringLiteral("Estado")});
  lstReporte_->setRootIsDecorated(false);
  lstReporte_->setSelectionMode(QAbstractItemView::NoSelection);
  // A missing item's value says what to fix and may be long: it wraps within its
  // column, and the rows take their heights anew whenever the column's width changes.
  lstReporte_->setWordWrap(true);
  lstReporte_->setItemDelegateForColumn(1, new DelegadoEstado(lstReporte_));
  lstReporte_->header()->setStretchLastSection(false);
  lstReporte_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  lstReporte_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  connect(lstReporte_->header(), &QHeaderView::sectionResized, lstReporte_,
          &QTreeWidget::doItemsLayout);
  lblEstado_ = new QLabel(QStringLiteral("Estado del Proyecto:"), this);
  lblEstado_->setObjectName("lblEstado");
  cmdAceptar_ = new QPushButton(QStringLiteral("Cerrar"), this);
  cmdAceptar_->setObjectName("cmdAceptar");
  cmdAceptar_->setDefault(true);
  connect(cmdAceptar_, &QPushButton::clicked, this, &QDialog::accept);

  auto* pie = new QHBoxLayout;
  pie->addWidget(lblEstado_, 1);
  pie->addWidget(cmdAceptar_);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(lblReporte_);
  columna->addWidget(lstReporte_, 1);
  columna->addLayout(pie);
  resize(560, 320);

  lblReporte_->setText(p.inicio.Nombre.empty() ? QStringLiteral("(Sin nombre)")
                                               : AQt(p.inicio.Nombre));
  lstReporte_->clear();
  const std::vector<FilaReporte> filas = ConstruirReporte(p);
  for (const FilaReporte& fila : filas) Agregar(AQt(fila.estado), AQt(fila.opcion));
  completo_ = ReporteCompleto(filas);
  if (completo_) {
    cmdAceptar_->setText(QStringLiteral("Listo"));
    lblEstado_->setText(QStringLiteral("Estado del Proyecto: Completo"));
  } else {
    lblEstado_->setText(QStringLiteral("Estado del Proyecto: Incompleto"));
  }
}

void frmReporte::Agregar(const QString& temp, const QString& Nombre) {
  auto* fila = new QTreeWidgetItem(lstReporte_, {Nombre, temp});
  if (temp.startsWith(QLatin1String(kIncompleto.data(), kIncompleto.size()))) {
    const QColor rojoOscuro(192, 0, 0);
    fila->setForeground(0, rojoOscuro);
    fila->setForeground(1, rojoOscuro);
  }
  lstReporte_->setCurrentItem(nullptr);
}

}  // namespace vendaluz
