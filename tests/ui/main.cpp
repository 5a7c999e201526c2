// Runs one window test class: tests_ui CLASS [Qt Test options].
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "pruebas.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  // The program's settings (window place, last folder) go to a folder of this run only.
  QTemporaryDir ajustes;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
  const std::map<std::string, std::function<QObject*()>> clases = {
      {"frmPrincipal", CrearPruebaPrincipal}, {"VentanasPequenas", CrearPruebaVentanasPequenas},
      {"frmGenerar", CrearPruebaGenerar},     {"frmCategoria", CrearPruebaCategoria},
      {"Carrito", CrearPruebaCarrito},        {"Paginas", CrearPruebaPaginas},
  };
  if (argc < 2 || !clases.count(argv[1])) {
    std::fprintf(stderr, "uso: tests_ui CLASE [opciones de Qt Test]\n");
    return 2;
  }
  std::unique_ptr<QObject> prueba(clases.at(argv[1])());
  // Qt Test sees the program name followed by its own options.
  argv[1] = argv[0];
  return QTest::qExec(prueba.get(), argc - 1, argv + 1);
}
