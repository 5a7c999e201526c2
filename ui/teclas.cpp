#include "ui/teclas.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <optional>

namespace vendaluz {
namespace {

// The typed character of a key press, or nothing for keys that do not type (arrows,
// Backspace, Delete, Enter, Tab, shortcuts with Ctrl or Alt).
std::optional<QChar> Tecleado(QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return std::nullopt;
  auto* tecla = static_cast<QKeyEvent*>(evento);
  if (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return std::nullopt;
  }
  const QString texto = tecla->text();
  if (texto.size() != 1 || !texto[0].isPrint()) return std::nullopt;
  return texto[0];
}

}  // namespace

FiltroTeclas::FiltroTeclas(std::function<bool(QChar)> acepta, QObject* padre)
    : QObject(padre), acepta_(std::move(acepta)) {}

bool FiltroTeclas::eventFilter(QObject*, QEvent* evento) {
  const auto c = Tecleado(evento);
  return c && !acepta_(*c);
}

FiltroPrecio::FiltroPrecio(QLineEdit* caja) : QObject(caja), caja_(caja) {}

bool FiltroPrecio::eventFilter(QObject*, QEvent* evento) {
  const auto c = Tecleado(evento);
  if (!c) return false;
  if (c->isDigit() && c->unicode() < 128) return false;
  if (*c != QLatin1Char('.') && *c != QLatin1Char(',')) return true;
  // One separator: the one typed replaces the selection, so a separator inside the
  // selection does not count.
  QString resto = caja_->text();
  if (caja_->hasSelectedText()) resto.remove(caja_->selectionStart(), caja_->selectedText().size());
  if (resto.contains(QLatin1Char('.')) || resto.contains(QLatin1Char(','))) return true;
  caja_->insert(QStringLiteral("."));
  return true;
}

FiltroTeclas* SoloDigitos(QLineEdit* caja) {
  auto* f = new FiltroTeclas([](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); },
                             caja);
  caja->installEventFilter(f);
  return f;
}

FiltroTeclas* SoloMinusculas(QLineEdit* caja) {
  auto* f = new FiltroTeclas([](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); },
                             caja);
  caja->installEventFilter(f);
  return f;
}

FiltroTeclas* NoTeclear(QWidget* control) {
  auto* f = new FiltroTeclas([](QChar) { return false; }, control);
  control->installEventFilter(f);
  return f;
}

}  // namespace vendaluz
