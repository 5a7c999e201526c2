// Helpers of the window tests: scripted answers for every box and dialog, a
// recording opener, a temporary program folder, and a way to act on a modal window
// once it is open.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
    QString tipo;    // "mensaje", "pregunta", "texto", "abrir", "guardar", "color", "pitido"
    QString texto;   // message, question or prompt
    QString titulo;  // caption of the box or dialog
    Icono icono = Icono::kNinguno;
    Botones botones = Botones::kSiNo;
    QString carpeta;  // file dialogs: starting folder
    QString inicial;  // input box: pre-filled text; save dialog: proposed name
    QString filtro;
  };

  std::vector<Llamada> llamadas;
  std::deque<Respuesta> respuestas;
  std::deque<std::optional<QString>> textos;
  std::deque<std::optional<QString>> archivos;
  std::deque<std::optional<QColor>> colores;
  int sinRespuesta = 0;

  int Contar(const QString& tipo) const {
    int n = 0;
    for (const auto& l : llamadas) n += l.tipo == tipo;
    return n;
  }
  const Llamada* Ultima(const QString& tipo) const {
    for (auto it = llamadas.rbegin(); it != llamadas.rend(); ++it) {
      if (it->tipo == tipo) return &*it;
    }
    return nullptr;
  }

  void Mensaje(QWidget*, const QString& texto, Icono icono, const QString& titulo) override {
    Llamada& l = Registrar("mensaje", titulo);
    l.texto = texto;
    l.icono = icono;
  }
  Respuesta Preguntar(QWidget*, const QString& texto, Botones botones, Icono icono,
                      const QString& titulo) override {
    Llamada& l = Registrar("pregunta", titulo);
    l.texto = texto;
    l.icono = icono;
    l.botones = botones;
    if (respuestas.empty()) {
      ++sinRespuesta;
      return botones == Botones::kSiNoCancelar ? Respuesta::kCancelar : Respuesta::kNo;
    }
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
  }
  std::optional<QString> PedirTexto(QWidget*, const QString& titulo, const QString& indicacion,
                                    const QString& inicial) override {
    Llamada& l = Registrar("texto", titulo);
    l.texto = indicacion;
    l.inicial = inicial;
    return Siguiente(textos);
  }
  std::optional<QString> ArchivoParaAbrir(QWidget*, const QString& titulo, const QString& carpeta,
                                          const QString& filtro) override {
    Llamada& l = Registrar("abrir", titulo);
    l.carpeta = carpeta;
    l.filtro = filtro;
    return Siguiente(archivos);
  }
  std::optional<QString> ArchivoParaGuardar(QWidget*, const QString& titulo, const QString& carpeta,
                                            const QString& nombre, const QString& filtro) override {
    Llamada& l = Registrar("guardar", titulo);
    l.carpeta = carpeta;
    l.inicial = nombre;
    l.filtro = filtro;
    return Siguiente(archivos);
  }
  std::optional<QColor> ElegirColor(QWidget*, const QColor&) override {
    Registrar("color", {});
    return Siguiente(colores);
  }
  void Pitido() override { Registrar("pitido", {}); }

 private:
  Llamada& Registrar(const QString& tipo, const QString& titulo) {
    Llamada& l = llamadas.emplace_back();
    l.tipo = tipo;
    l.titulo = titulo;
    return l;
  }
  template <typename T>
  std::optional<T> Siguiente(std::deque<std::optional<T>>& cola) {
    if (cola.empty()) {
      ++sinRespuesta;
      return std::nullopt;
    }
    const bool hay = cola.front().has_value();
    T valor = hay ? *cola.front() : T();
    cola.pop_front();
    if (!hay) return std::nullopt;
    return valor;
  }
};

class AbridorPrueba : public Abridor {
 public:
  std::vector<std::string> abiertos;
  void Abrir(const std::string& destino) override { abiertos.push_back(destino); }
};

// A program folder of its own (with Proyectos) and the services of one test. The
// folder is a fresh temporary one, or the given one emptied first.
struct Banco {
  QTemporaryDir temporal;
  QDir dir;
  DialogosPrueba dialogos;
  AbridorPrueba abridor;
  Entorno entorno;

  Banco() : Banco(QString()) {}
  explicit Banco(const QString& fija)
      : dir(Preparar(fija, temporal)),
        entorno{PrepararEspacio(ARuta(dir.path()), ARuta(dir.path()) / "datos"), dialogos,
                abridor} {}
  ~Banco() {
    if (dir.path() != temporal.path()) dir.removeRecursively();
  }
  std::filesystem::path programa() const { return entorno.espacio.programa; }
  std::filesystem::path proyectos() const { return entorno.espacio.proyectos; }

 private:
  static QString Preparar(const QString& fija, const QTemporaryDir& temporal) {
    if (fija.isEmpty()) return temporal.path();
    QDir(fija).removeRecursively();
    QDir().mkpath(fija);
    return fija;
  }
};

// Runs accion on the next modal window once it is open (the caller then opens it).
// Gives up after five seconds, so a window that never opens fails the test's own
// checks instead of hanging it.
inline void AlAbrirse(std::function<void(QWidget*)> accion) {
  auto* reloj = new QTimer;
  reloj->setInterval(5);
  auto vueltas = std::make_shared<int>(0);
  QObject::connect(reloj, &QTimer::timeout, [reloj, vueltas, accion = std::move(accion)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && ++*vueltas < 1000) return;
    reloj->stop();
    reloj->deleteLater();
    if (modal) accion(modal);
  });
  reloj->start();
}

}  // namespace vendaluz::prueba
