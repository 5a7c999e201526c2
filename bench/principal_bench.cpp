// Opening a project of 10,000 products in the main window: reading the file,
// filling the pages and lists, showing the product list and scrolling it from top
// to bottom. Goal: under one second on the build machine. Runs offscreen.
#include <QApplication>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <chrono>
#include <cstdio>

#include "model/archivo_proyecto.h"
#include "ui/abridor.h"
#include "ui/dialogos.h"
#include "ui/entorno.h"
#include "ui/frmPrincipal.h"

namespace {

using namespace vendaluz;

// Answers No to every question, so that opening asks nothing of a person.
class SinPersona : public Dialogos {
 public:
  void Mensaje(QWidget*, const QString&, Icono, const QString&) override {}
  Respuesta Preguntar(QWidget*, const QString&, Botones, Icono, const QString&) override {
    return Respuesta::kNo;
  }
  std::optional<QString> PedirTexto(QWidget*, const QString&, const QString&,
                                    const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> ArchivoParaAbrir(QWidget*, const QString&, const QString&,
                                          const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> ArchivoParaGuardar(QWidget*, const QString&, const QString&,
                                            const QString&, const QString&) override {
    return std::nullopt;
  }
  std::optional<QColor> ElegirColor(QWidget*, const QColor&) override { return std::nullopt; }
  void Pitido() override {}
};

class SinAbridor : public Abridor {
 public:
  bool Abrir(const std::string&) override { return true; }
};

double Milisegundos(std::chrono::steady_clock::time_point desde) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - desde)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  SinPersona dialogos;
  SinAbridor abridor;
  Entorno entorno{PrepararEspacio(dir.path().toStdString(), dir.path().toStdString() + "/datos"),
                  dialogos, abridor};

  constexpr int kProductos = 10000;
  Proyecto p;
  ContadorProyectos contador;
  NuevoProyecto(p, contador, entorno.espacio.proyectos.string());
  p.inicio.Nombre = "Grande";
  for (int i = 1; i <= kProductos; ++i) {
    p.productos.push_back({"Silla de pino número " + std::to_string(i),
                           std::to_string(10 + i % 90) + ".50",
                           "Silla artesanal de pino macizo, barnizada a mano.\nAltura 45 cm.",
                           "/fotos/silla_" + std::to_string(i) + ".jpg"});
  }
  const auto ruta = entorno.espacio.proyectos / "Grande.ini";
  GuardarProyecto(p, ruta);

  frmPrincipal w(entorno);
  w.show();
  auto* tab = w.findChild<QTabWidget*>("SSTab");
  tab->setCurrentIndex(3);
  QApplication::processEvents();

  for (int vuelta = 1; vuelta <= 3; ++vuelta) {
    const auto inicio = std::chrono::steady_clock::now();
    w.AbrirDeLista(ruta);
    QApplication::processEvents();
    const double abrir = Milisegundos(inicio);

    auto* lista = w.findChild<QTreeView*>("lstCarrito");
    const auto desplazar = std::chrono::steady_clock::now();
    QScrollBar* barra = lista->verticalScrollBar();
    const int paso = std::max(1, barra->maximum() / 100);
    for (int v = 0; v <= barra->maximum(); v += paso) {
      barra->setValue(v);
      lista->viewport()->repaint();
    }
    const double scroll = Milisegundos(desplazar);
    std::printf(
        "vuelta %d: abrir %d productos y llenar las listas %.1f ms; recorrer la lista en 100 "
        "pasos %.1f ms (%d filas)\n",
        vuelta, kProductos, abrir, scroll, lista->model()->rowCount());
  }
  return 0;
}
