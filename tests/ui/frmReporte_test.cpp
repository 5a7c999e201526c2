// The project report window: its rows, the dark-red missing rows, the verdict and
// the caption of its button.
#include "ui/frmReporte.h"
#include "ayudas_prueba.h"
#include "pruebas.h"

namespace vendaluz {
namespace {

using prueba::Hallar;

struct Fila {
  QString opcion, estado;
  bool rojo;
  bool operator==(const Fila&) const = default;
};

QList<Fila> Filas(frmReporte& r) {
  auto* lista = Hallar<QTreeWidget>(&r, "lstReporte");
  QList<Fila> filas;
  const QColor rojoOscuro(192, 0, 0);
  for (int i = 0; i < lista->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = lista->topLevelItem(i);
    const bool rojo = item->foreground(0).color() == rojoOscuro;
    if (rojo != (item->foreground(1).color() == rojoOscuro)) qFatal("una celda sola en rojo");
    filas.push_back({item->text(0), item->text(1), rojo});
  }
  return filas;
}

const Fila kNombre{"Nombre del Proyecto:", "Proyecto1", false};
const Fila kNoSeguro{"Servidor Seguro:", "No utilizar", false};

struct Caso {
  const char* nombre;
  std::function<void(Proyecto&)> cambiar;  // applied to a complete project
  QList<Fila> filas;
  const char* etiqueta;  // the project's name above the list
};
const Caso kCasos[] = {
    {"nuevo",
     [](Proyecto& p) {
       p.productos.clear();
       p.servidor.Redireccionar.clear();
       p.correoEmail.clear();
     },
     {kNombre,
      {"Carrito de Compra:", "Incompleto", true},
      {"Formulario:", "10 campos", false},
      kNoSeguro,
      {"Redireccionar:", "Incompleto", true},
      {"E-mail:", "Incompleto", true}},
     "Proyecto1"},
    {"completo",
     [](Proyecto& p) { p.camposFormulario.resize(2); },
     {kNombre,
      {"Carrito de Compra:", "1 producto", false},
      {"Formulario:", "2 campos", false},
      kNoSeguro},
     "Proyecto1"},
    {"SPG sin script",
     [](Proyecto& p) {
       p.productos.assign(3, p.productos[0]);
       ElegirServidor(p, &Proyecto::Servidor::SPG);
       p.servidor.RutaServidor = "https://pagos.example.com";
     },
     {kNombre,
      {"Carrito de Compra:", "3 productos", false},
      {"Formulario:", "10 campos", false},
      {"Servidor Seguro:", "SPG", false},
      {"Script Servidor:", "Incompleto", true}},
     "Proyecto1"},
    {"un precio que no suma",
     [](Proyecto& p) {
       p.productos.push_back({"Mesa", "$25", "", ""});
     },
     {kNombre,
      {"Carrito de Compra:", "2 productos", false},
      {"Precios:", "Incompleto (1 producto)", true},
      {"Formulario:", "10 campos", false},
      kNoSeguro},
     "Proyecto1"},
    {"sin nombre",
     [](Proyecto& p) { p.inicio.Nombre.clear(); },
     {{"Nombre del Proyecto:", "Incompleto", true},
      {"Carrito de Compra:", "1 producto", false},
      {"Formulario:", "10 campos", false},
      kNoSeguro},
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
    QCOMPARE(Filas(r), c.filas);
    const bool completo =
        std::none_of(c.filas.begin(), c.filas.end(), [](auto& f) { return f.rojo; });
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
