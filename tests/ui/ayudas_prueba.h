// Helpers of the window tests: scripted dialogs, a recording opener, a temporary
// program folder, acting on a modal window once open, finding and using controls.
#pragma once

#include <QtTest>
#include <QtWidgets>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/archivo_proyecto.h"
#include "model/espacio.h"
#include "ui/abridor.h"
#include "ui/conversion.h"
#include "ui/dialogos.h"
#include "ui/entorno.h"

namespace vendaluz::prueba {

// Answers boxes and dialogs from queues and records every call. A call with no
// answer queued is counted in sinRespuesta and gets No, Cancelar or nothing.
class DialogosPrueba : public Dialogos {
 public:
  struct Llamada {
    QString tipo;        // "mensaje", "pregunta", "texto", "abrir", "guardar", "color", "pitido"
    QString texto = {};  // message, question or prompt
    Icono icono = Icono::kNinguno;
    Botones botones = Botones::kSiNo;
    QString carpeta = {};  // file dialogs: starting folder
    QString inicial = {};  // input box: pre-filled text; save dialog: proposed name
  };

  std::vector<Llamada> llamadas;
  std::deque<Respuesta> respuestas;
  std::deque<std::optional<QString>> textos, archivos;
  std::deque<std::optional<QColor>> colores;
  int sinRespuesta = 0;

  int Contar(const QString& tipo) const {
    return int(std::count_if(llamadas.begin(), llamadas.end(),
                             [&](const Llamada& l) { return l.tipo == tipo; }));
  }
  const Llamada* Ultima(const QString& tipo) const {
    auto it = std::find_if(llamadas.rbegin(), llamadas.rend(),
                           [&](const Llamada& l) { return l.tipo == tipo; });
    return it == llamadas.rend() ? nullptr : &*it;
  }

  void Mensaje(QWidget*, const QString& texto, Icono icono, const QString&) override {
    llamadas.push_back({"mensaje", texto, icono});
  }
  Respuesta Preguntar(QWidget*, const QString& texto, Botones botones, Icono icono,
                      const QString&) override {
    llamadas.push_back({"pregunta", texto, icono, botones});
    const bool cancelar = botones != Botones::kSiNo;
    return Siguiente(respuestas, cancelar ? Respuesta::kCancelar : Respuesta::kNo);
  }
  std::optional<QString> PedirTexto(QWidget*, const QString&, const QString& indicacion,
                                    const QString& inicial) override {
    llamadas.push_back({.tipo = "texto", .texto = indicacion, .inicial = inicial});
    return Siguiente(textos, {});
  }
  std::optional<QString> ArchivoParaAbrir(QWidget*, const QString&, const QString& carpeta,
                                          const QString&) override {
    llamadas.push_back({.tipo = "abrir", .carpeta = carpeta});
    return Siguiente(archivos, {});
  }
  std::optional<QString> ArchivoParaGuardar(QWidget*, const QString&, const QString& carpeta,
                                            const QString& nombre, const QString&) override {
    llamadas.push_back({.tipo = "guardar", .carpeta = carpeta, .inicial = nombre});
    return Siguiente(archivos, {});
  }
  std::optional<QColor> ElegirColor(QWidget*, const QColor&) override {
    llamadas.push_back({"color"});
    return Siguiente(colores, {});
  }
  void Pitido() override { llamadas.push_back({"pitido"}); }

 private:
  template <typename T>
  T Siguiente(std::deque<T>& cola, T porDefecto) {
    if (cola.empty()) return ++sinRespuesta, porDefecto;
    porDefecto = std::move(cola.front());
    cola.pop_front();
    return porDefecto;
  }
};

class AbridorPrueba : public Abridor {
 public:
  std::vector<std::string> abiertos;
  bool falla = false;  // as a desktop without a browser
  bool Abrir(const std::string& destino) override { return abiertos.push_back(destino), !falla; }
};

// A fresh temporary program folder (with Proyectos) and the services of one test.
struct Banco {
  QTemporaryDir temporal;
  QDir dir{temporal.path()};
  DialogosPrueba dialogos;
  AbridorPrueba abridor;
  Entorno entorno{PrepararEspacio(ARuta(dir.path()), ARuta(dir.path()) / "datos"), dialogos,
                  abridor};

  std::filesystem::path programa() const { return entorno.espacio.programa; }
  std::filesystem::path proyectos() const { return entorno.espacio.proyectos; }
};

// Runs accion on the next modal window once it is open (the caller then opens it).
// Gives up after five seconds, so a window that never opens fails the test's own
// checks instead of hanging it; a window left open by a failed check is closed.
inline void AlAbrirse(std::function<void(QWidget*)> accion) {
  auto* reloj = new QTimer;
  reloj->setInterval(5);
  auto vueltas = std::make_shared<int>(0);
  QObject::connect(reloj, &QTimer::timeout, [reloj, vueltas, accion = std::move(accion)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && ++*vueltas < 1000) return;
    reloj->stop();
    reloj->deleteLater();
    if (!modal) return;
    QPointer<QWidget> abierta = modal;
    accion(modal);
    // A check that failed inside accion returned before closing the window: close it,
    // so that the test ends with its failure instead of waiting for its time limit.
    if (QTest::currentTestFailed() && abierta && abierta == QApplication::activeModalWidget()) {
      if (auto* dialogo = qobject_cast<QDialog*>(abierta.data())) dialogo->reject();
    }
  });
  reloj->start();
}

// The child of raiz named nombre; a missing one ends the run, naming it.
template <typename T = QWidget>
T* Hallar(QObject* raiz, const QString& nombre) {
  T* hallado = raiz->findChild<T*>(nombre);
  if (!hallado) qFatal("no hay control %s", qPrintable(nombre));
  return hallado;
}

// Chooses the menu entry or tool-bar action named nombre, which a user can do only
// while it is enabled.
inline void Disparar(QObject* raiz, const QString& nombre) {
  auto* accion = Hallar<QAction>(raiz, nombre);
  QVERIFY2(accion->isEnabled(), qPrintable(nombre + " está deshabilitada"));
  accion->trigger();
}

// Which of the named controls or actions are enabled, as a string of 1 and 0.
inline QString Habilitados(QObject* raiz, std::initializer_list<const char*> nombres) {
  QString s;
  for (const char* n : nombres) {
    QObject* o = Hallar<QObject>(raiz, n);
    auto* a = qobject_cast<QAction*>(o);
    s += (a ? a->isEnabled() : static_cast<QWidget*>(o)->isEnabled()) ? '1' : '0';
  }
  return s;
}

// Replaces the text of a box as a user does: select all, delete, type.
inline void Escribir(QLineEdit* caja, const QString& texto) {
  caja->selectAll();
  QTest::keyClick(caja, Qt::Key_Backspace);
  QTest::keyClicks(caja, texto);
}

// Presses a button or toggles a check box, as a click on it does.
inline void Pulsar(QObject* raiz, const QString& boton) {
  Hallar<QAbstractButton>(raiz, boton)->click();
}

// The objectName of the modal window that abrir opens (or that is open), closed
// again as Escape does; empty when none opens.
inline QString ModalQueAbre(const std::function<void()>& abrir) {
  QString nombre;
  AlAbrirse([&nombre](QWidget* modal) {
    nombre = modal->objectName();
    static_cast<QDialog*>(modal)->reject();
  });
  abrir();
  (void)QTest::qWaitFor([&nombre] { return !nombre.isEmpty(); }, 5100);
  return nombre;
}

// Shows the window and makes it the active one, as keys need.
inline void Activar(QWidget& ventana) {
  ventana.show();
  ventana.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&ventana));
}

// Presses Ctrl+tecla in the main window with the focus on its pages, outside the
// text boxes (where Ctrl+A selects all).
inline void Ctrl(QWidget& principal, Qt::Key tecla) {
  Activar(principal);
  Hallar(&principal, "SSTab")->setFocus();
  QTest::keyClick(&principal, tecla, Qt::ControlModifier);
}

// A new project with the given name and products that the report finds complete.
inline Proyecto ProyectoCompleto(const std::string& nombre, int productos = 2) {
  Proyecto p;
  ContadorProyectos c;
  NuevoProyecto(p, c, "/tmp");
  p.inicio.Nombre = nombre;
  for (int i = 1; i <= productos; ++i) {
    p.productos.push_back(
        {"Silla " + std::to_string(i), std::to_string(10 + i) + ".50", "De pino", ""});
  }
  p.servidor.Redireccionar = "http://www.example.com/gracias.htm";
  p.correoEmail = "ventas@example.com";
  p.cgi.Ruta = "http://tienda.example.com/cgi-bin/enviar.pl", p.cgi.Host = "tienda.example.com";
  return p;
}

}  // namespace vendaluz::prueba
