// The desktop program: the splash, then the main window.
//   vendaluz [PROYECTO.ini]   opens the project file (as the applications menu does)
//   vendaluz --listar         shows the main window, writes the entries of its project
//                             list one a line, and ends: a check of an installation
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTimer>
#include <QTranslator>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>

#include "model/espacio.h"
#include "platform/error.h"
#include "platform/files.h"
#include "ui/abridor.h"
#include "ui/dialogos.h"
#include "ui/frmPrincipal.h"
#include "ui/frmSplash.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vendaluz"));

  // The toolkit's own dialogs (files, colours) speak Spanish like the rest.
  QTranslator traduccion;
  if (traduccion.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&traduccion);
  }

  bool listar = false;
  QString archivo;
  for (const QString& a : QApplication::arguments().mid(1)) {
    if (a == QStringLiteral("--listar")) {
      listar = true;
    } else {
      archivo = a;
    }
  }

  // Past a file-size limit a write fails and is reported, instead of killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
  vendaluz::DialogosQt dialogosQt;
  vendaluz::Dialogos& dialogos = dialogosQt;
  vendaluz::Espacio espacio;
  try {
    espacio =
        vendaluz::PrepararEspacio(vendaluz::ExecutableFolder(), vendaluz::CarpetaDatosUsuario());
  } catch (const vendaluz::Error& e) {
    dialogos.Mensaje(nullptr, QString::fromStdString(e.Mensaje()), vendaluz::Icono::kCritico);
    return 1;
  }

  vendaluz::AbridorEscritorio abridor;
  vendaluz::Entorno entorno{espacio, dialogos, abridor};
  std::unique_ptr<vendaluz::frmPrincipal> principal;
  vendaluz::frmSplash splash([&] {
    principal = std::make_unique<vendaluz::frmPrincipal>(entorno);
    principal->show();
    if (listar) {
      for (QAction* a : principal->findChild<QMenu*>(QStringLiteral("mnuProyectos"))->actions()) {
        std::cout << a->text().replace(QStringLiteral("&&"), QStringLiteral("&")).toStdString()
                  << "\n";
      }
      QTimer::singleShot(0, &app, &QApplication::quit);
    } else if (!archivo.isEmpty()) {
      principal->AbrirDeLista(std::filesystem::absolute(archivo.toStdString()));
    }
  });
  splash.show();
  return app.exec();
}
