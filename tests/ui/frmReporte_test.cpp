// The project report window: its rows, the dark-red missing rows, the verdict and
// the caption of its button.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "pruebas.h"
#include "ui/frmReporte.h"

namespace vendaluz {
namespace {

struct Fila {
  QString opcion, estado;
  bool rojo;
  bool operator==(const Fila&) const = default;
};

QList<Fila> Filas(frmReporte& r) {
  auto* lista = r.findChild<QTreeWidget*>("lstReporte");
  QList<Fila> filas;
  const QColor rojoOscuro(192, 0, 0);
  for (int i = 0; i < lista->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = lista->topLevelItem(i);
    const bool rojo0 = item->foreground(0).color() == rojoOscuro;
    const bool rojo1 = item->foreground(1).color() == rojoOscuro;
    if (rojo0 != rojo1) qFatal("una fila con una sola celda en rojo");
    filas.push_back({item->text(0), item->text(1), rojo0});
  }
  return filas;
}

Proyecto Nuevo() {
  Proyecto p;
  ContadorProyectos c;
  NuevoProyecto(p, c, "/tmp");
  return p;
}

}  // namespace

class PruebaReporte : public QObject {
  Q_OBJECT

 private slots:
  void proyectoNuevoIncompleto() {
    frmReporte r(Nuevo());
    QCOMPARE(r.windowTitle(), QStringLiteral("Reporte"));
    QVERIFY(!r.Completo());
    QCOMPARE(r.findChild<QLabel*>("lblReporte")->text(), QStringLiteral("Proyecto1"));
    auto* lista = r.findChild<QTreeWidget*>("lstReporte");
    QCOMPARE(lista->headerItem()->text(0), QStringLiteral("Opción"));
    QCOMPARE(lista->headerItem()->text(1), QStringLiteral("Estado"));
    QCOMPARE(Filas(r), (QList<Fila>{{"Nombre del Proyecto:", "Proyecto1", false},
                                    {"Carrito de Compra:", "Incompleto", true},
                                    {"Formulario:", "10 campos", false},
                                    {"Servidor Seguro:", "No utilizar", false},
                                    {"Redireccionar:", "Incompleto", true},
                                    {"E-mail:", "Incompleto", true}}));
    QCOMPARE(r.findChild<QLabel*>("lblEstado")->text(),
             QStringLiteral("Estado del Proyecto: Incompleto"));
    QCOMPARE(r.findChild<QPushButton*>("cmdAceptar")->text(), QStringLiteral("Cerrar"));
    QVERIFY(lista->selectedItems().isEmpty());
  }

  void proyectoCompletoDiceListo() {
    Proyecto p = Nuevo();
    p.productos = {{"Silla", "25.00", "De pino", ""}};
    p.camposFormulario.resize(2);
    p.servidor.Redireccionar = "http://www.example.com";
    p.correoEmail = "ventas@example.com";
    frmReporte r(p);
    QVERIFY(r.Completo());
    QCOMPARE(Filas(r), (QList<Fila>{{"Nombre del Proyecto:", "Proyecto1", false},
                                    {"Carrito de Compra:", "1 producto", false},
                                    {"Formulario:", "2 campos", false},
                                    {"Servidor Seguro:", "No utilizar", false}}));
    QCOMPARE(r.findChild<QLabel*>("lblEstado")->text(),
             QStringLiteral("Estado del Proyecto: Completo"));
    auto* boton = r.findChild<QPushButton*>("cmdAceptar");
    QCOMPARE(boton->text(), QStringLiteral("Listo"));
    r.show();
    QTest::mouseClick(boton, Qt::LeftButton);
    QVERIFY(!r.isVisible());
  }

  void scriptDeSpgSinDireccionEnRojo() {
    Proyecto p = Nuevo();
    p.productos.assign(3, {"Silla", "25", "De pino", ""});
    p.correoEmail = "ventas@example.com";
    ElegirServidor(p, &Proyecto::Servidor::SPG);
    p.servidor.RutaServidor = "https://pagos.example.com";
    frmReporte r(p);
    QVERIFY(!r.Completo());
    const auto filas = Filas(r);
    QCOMPARE(filas.size(), 5);
    QCOMPARE(filas[3], (Fila{"Servidor Seguro:", "SPG", false}));
    QCOMPARE(filas[4], (Fila{"Script Servidor:", "Incompleto", true}));

    // A price the basket cannot add is shown in red with the count.
    p.servidor.ServidorScript = "https://pagos.example.com/cobrar";
    p.productos[1].Precio = "$25";
    frmReporte precios(p);
    QVERIFY(!precios.Completo());
    QCOMPARE(Filas(precios)[2], (Fila{"Precios:", "Incompleto (1 producto)", true}));
  }

  void sinNombre() {
    Proyecto p = Nuevo();
    p.inicio.Nombre.clear();
    frmReporte r(p);
    QCOMPARE(r.findChild<QLabel*>("lblReporte")->text(), QStringLiteral("(Sín nombre)"));
    QCOMPARE(Filas(r).front(), (Fila{"Nombre del Proyecto:", "Incompleto", true}));
  }
};

}  // namespace vendaluz

QObject* CrearPruebaReporte() { return new vendaluz::PruebaReporte; }

#include "frmReporte_test.moc"
