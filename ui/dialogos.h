// Every message box, input box, file dialog, colour dialog and beep of the windows
// goes through Dialogos, so that tests can answer them without a person. The
// program uses DialogosQt; tests use a scripted version.
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace vendaluz {

enum class Icono { kNinguno, kInformacion, kPregunta, kAdvertencia, kCritico };
// kReemplazarAgregarCancelar: "Reemplazar" answers kSi, "Agregar" kNo.
enum class Botones { kSiNo, kSiNoCancelar, kReemplazarAgregarCancelar };
enum class Respuesta { kSi, kNo, kCancelar };

// The caption of message and input boxes unless a window says otherwise.
inline const char* const kTituloAplicacion = "Vendaluz";

class Dialogos {
 public:
  virtual ~Dialogos() = default;

  // A message with an "Aceptar" button.
  virtual void Mensaje(QWidget* padre, const QString& texto, Icono icono,
                       const QString& titulo = kTituloAplicacion) = 0;

  // A question; closing the box counts as the last button offered (No, or Cancelar).
  virtual Respuesta Preguntar(QWidget* padre, const QString& texto, Botones botones,
                              Icono icono = Icono::kPregunta,
                              const QString& titulo = kTituloAplicacion) = 0;

  // An input box; nothing when cancelled.
  virtual std::optional<QString> PedirTexto(QWidget* padre, const QString& titulo,
                                            const QString& indicacion, const QString& inicial) = 0;

  // File dialogs; nothing when cancelled. filtro is "Proyecto Vendaluz (*.ini)".
  virtual std::optional<QString> ArchivoParaAbrir(QWidget* padre, const QString& titulo,
                                                  const QString& carpeta,
                                                  const QString& filtro) = 0;
  virtual std::optional<QString> ArchivoParaGuardar(QWidget* padre, const QString& titulo,
                                                    const QString& carpeta, const QString& nombre,
                                                    const QString& filtro) = 0;

  // The colour dialog, starting at inicial; nothing when cancelled.
  virtual std::optional<QColor> ElegirColor(QWidget* padre, const QColor& inicial) = 0;

  virtual void Pitido() = 0;
};

// The desktop's own boxes and dialogs, with Spanish buttons.
class DialogosQt : public Dialogos {
 public:
  void Mensaje(QWidget* padre, const QString& texto, Icono icono, const QString& titulo) override;
  Respuesta Preguntar(QWidget* padre, const QString& texto, Botones botones, Icono icono,
                      const QString& titulo) override;
  std::optional<QString> PedirTexto(QWidget* padre, const QString& titulo,
                                    const QString& indicacion, const QString& inicial) override;
  std::optional<QString> ArchivoParaAbrir(QWidget* padre, const QString& titulo,
                                          const QString& carpeta, const QString& filtro) override;
  std::optional<QString> ArchivoParaGuardar(QWidget* padre, const QString& titulo,
                                            const QString& carpeta, const QString& nombre,
                                            const QString& filtro) override;
  std::optional<QColor> ElegirColor(QWidget* padre, const QColor& inicial) override;
  void Pitido() override;
};

}  // namespace vendaluz
