// The desktop program: the splash, then the main window.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <csignal>
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
  });
  splash.show();
  return app.exec();
}
