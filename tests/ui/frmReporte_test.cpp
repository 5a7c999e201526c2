// The project report window: its rows, the dark-red missing rows, the verdict and
// the caption of its button.
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

struct Caso {
  const char* nombre;
  std::function<void(Proyecto&)> cambiar;  // applied to a complete project
  const char* filas;
  const char* etiqueta;  // the project's name above the list
};
const Caso kCasos[] = {
    {"nuevo",
     [](Proyecto& p) {
       p.productos.clear();
       p.servidor.Redireccionar.clear();
       p.correoEmail.clear();
     },
     "Nombre del Proyecto: Proyecto1 | *Carrito de Compra: Incompleto | Formulario: 10 campos | "
     "Servidor Seguro: No utilizar | *Redireccionar: Incompleto | *E-mail: Incompleto",
     "Proyecto1"},
    {"completo", [](Proyecto& p) { p.camposFormulario.resize(2); },
     "Nombre del Proyecto: Proyecto1 | Carrito de Compra: 1 producto | Formulario: 2 campos | "
     "Servidor Seguro: No utilizar",
     "Proyecto1"},
    {"SPG sin script",
     [](Proyecto& p) {
       p.productos.assign(3, p.productos[0]);
       ElegirServidor(p, &Proyecto::Servidor::SPG);
       p.servidor.RutaServidor = "https://pagos.example.com";
     },
     "Nombre del Proyecto: Proyecto1 | Carrito de Compra: 3 productos | Formulario: 10 campos | "
     "Servidor Seguro: SPG | *Script Servidor: Incompleto",
     "Proyecto1"},
    {"un precio que no suma",
     [](Proyecto& p) {
       p.productos.push_back({"Mesa", "$25", "", ""});
     },
     "Nombre del Proyecto: Proyecto1 | Carrito de Compra: 2 productos | *Precios: Incompleto (1 "
     "producto) | Formulario: 10 campos | Servidor Seguro: No utilizar",
     "Proyecto1"},
    {"sin nombre", [](Proyecto& p) { p.inicio.Nombre.clear(); },
     "*Nombre del Proyecto: Incompleto | Carrito de Compra: 1 producto | Formulario: 10 campos | "
     "Servidor Seguro: No utilizar",
     "(Sín nombre)"},
};

}  // namespace

class PruebaReporte : public QObject {
  Q_OBJECT

 private slots:
  void filasYVeredicto_data() {
    QTest::addColumn<int>("fila");
    for (int i = 0; i < int(std::size(kCasos)); ++i) QTest::newRow(kCasos[i].nombre) << i;
  }
  void filasYVeredicto() {
    QFETCH(int, fila);
    const Caso& c = kCasos[fila];
    Proyecto p = prueba::ProyectoCompleto("Proyecto1", 1);
    c.cambiar(p);
    frmReporte r(p);
    QCOMPARE(r.windowTitle(), QStringLiteral("Reporte"));
    QCOMPARE(Hallar<QLabel>(&r, "lblReporte")->text(), QString::fromUtf8(c.etiqueta));
    QCOMPARE(Filas(r), QString::fromUtf8(c.filas));
    const bool completo = !QString(c.filas).contains('*');
    QCOMPARE(r.Completo(), completo);
    QCOMPARE(Hallar<QLabel>(&r, "lblEstado")->text(),
             completo ? QStringLiteral("Estado del Proyecto: Completo")
                      : QStringLiteral("Estado del Proyecto: Incompleto"));
    auto* boton = Hallar<QPushButton>(&r, "cmdAceptar");
    QCOMPARE(boton->text(), completo ? QStringLiteral("Listo") : QStringLiteral("Cerrar"));
    auto* lista = Hallar<QTreeWidget>(&r, "lstReporte");
    QVERIFY(lista->selectedItems().isEmpty());
    QCOMPARE(lista->headerItem()->text(0), QStringLiteral("Opción"));
    QCOMPARE(lista->headerItem()->text(1), QStringLiteral("Estado"));
    r.show();
    QTest::mouseClick(boton, Qt::LeftButton);
    QVERIFY(!r.isVisible());
  }
};

}  // namespace vendaluz

QObject* CrearPruebaReporte() { return new vendaluz::PruebaReporte; }

#include "frmReporte_test.moc"
