// The project report window: its rows, the dark-red missing rows, the verdict and the
// caption of its button. Which rows a project gets is the model's report test.
#include "ui/frmReporte.h"
#include "ayudas_prueba.h"
#include "pruebas.h"

namespace vendaluz {
namespace {

using prueba::Hallar;

// The rows as "option estado" joined by " | ", a row in dark red marked with "*".
QString Filas(frmReporte& r) {
  auto* lista = Hallar<QTreeWidget>(&r, "lstReporte");
  QStringList filas;
  const QColor rojoOscuro(192, 0, 0);
  for (int i = 0; i < lista->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = lista->topLevelItem(i);
    const bool rojo = item->foreground(0).color() == rojoOscuro;
    if (rojo != (item->foreground(1).color() == rojoOscuro)) qFatal("una celda sola en rojo");
    filas << (rojo ? "*" : "") + item->text(0) + " " + item->text(1);
  }
  return filas.join(" | ");
}

}  // namespace

class PruebaReporte : public QObject {
  Q_OBJECT

 private slots:
  // A complete project, and one without a name and with a price that does not add up.
  void filasYVeredicto() {
    Proyecto incompleto = prueba::ProyectoCompleto("", 1);
    incompleto.productos.push_back({"Mesa", "$25", "", ""});
    const std::tuple<Proyecto, const char*, const char*> casos[] = {
        {prueba::ProyectoCompleto("Tienda", 1), "Tienda",
         "Nombre del Proyecto: Tienda | Carrito de Compra: 1 producto | Formulario: 10 campos | "
         "Servidor Seguro: No utilizar"},
        {incompleto, "(Sín nombre)",
         "*Nombre del Proyecto: Incompleto | Carrito de Compra: 2 productos | *Precios: "
         "Incompleto (1 producto) | Formulario: 10 campos | Servidor Seguro: No utilizar"}};
    for (const auto& [p, etiqueta, filas] : casos) {
      frmReporte r(p);
      QCOMPARE(Hallar<QLabel>(&r, "lblReporte")->text(), QString::fromUtf8(etiqueta));
      QCOMPARE(Filas(r), QString::fromUtf8(filas));
      QVERIFY(Hallar<QTreeWidget>(&r, "lstReporte")->selectedItems().isEmpty());
      const bool completo = !QString(filas).contains('*');
      QCOMPARE(Hallar<QLabel>(&r, "lblEstado")->text(),
               completo ? QStringLiteral("Estado del Proyecto: Completo")
                        : QStringLiteral("Estado del Proyecto: Incompleto"));
      auto* boton = Hallar<QPushButton>(&r, "cmdAceptar");
      QCOMPARE(boton->text(), completo ? QStringLiteral("Listo") : QStringLiteral("Cerrar"));
      r.show();
      QTest::mouseClick(boton, Qt::LeftButton);
      QVERIFY(!r.isVisible());
    }
  }
};

}  // namespace vendaluz

QObject* CrearPruebaReporte() { return new vendaluz::PruebaReporte; }

#include "frmReporte_test.moc"
