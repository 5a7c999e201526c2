#include "ui/teclas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace vendaluz {
namespace {

bool EsDigito(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool EsMinuscula(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }

// A rule that keeps each character for which acepta is true.
ReglaTexto Caracteres(bool (*acepta)(QChar)) {
  return [acepta](const QString& texto) {
    QString limpio;
    for (QChar c : texto) {
      if (acepta(c)) limpio += c;
    }
    return std::optional<QString>(limpio);
  };
}

// Refuses every key that types a character; moving and shortcuts still work.
class SinTeclas : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* evento) override {
    if (evento->type() != QEvent::KeyPress) return false;
    const QString texto = static_cast<QKeyEvent*>(evento)->text();
    return !texto.isEmpty() && texto[0].isPrint();
  }
};

}  // namespace

FiltroTexto::FiltroTexto(QLineEdit* caja, ReglaTexto regla)
    : QValidator(caja), caja_(caja), regla_(std::move(regla)) {
  caja->setValidator(this);
}

QValidator::State FiltroTexto::validate(QString& texto, int& pos) const {
  // setText clears the modified flag before the box asks: the program's own text stays.
  if (!caja_->isModified()) return Acceptable;
  const std::optional<QString> limpio = regla_(texto);
  if (!limpio) return Invalid;
  if (*limpio != texto) {
    // The cursor stays after what is left of the text before it.
    pos = std::min(regla_(texto.left(pos)).value_or(*limpio).size(), limpio->size());
    texto = *limpio;
  }
  return Acceptable;
}

void SoloDigitos(QLineEdit* caja) { new FiltroTexto(caja, Caracteres(EsDigito)); }

void SoloMinusculas(QLineEdit* caja) { new FiltroTexto(caja, Caracteres(EsMinuscula)); }

void NombreDeCampo(QLineEdit* caja) {
  new FiltroTexto(caja, [](const QString& texto) {
    QString limpio;
    for (QChar c : texto) {
      // The compatibility decomposition parts an accented letter into its plain letter and
      // the accent, and a ligature such as "ﬁ" into its letters.
      for (QChar parte : QString(c).normalized(QString::NormalizationForm_KD).toLower()) {
        if (EsMinuscula(parte)) limpio += parte;
      }
    }
    return std::optional<QString>(limpio);
  });
}

void NumeroDecimal(QLineEdit* caja, bool comaComoPunto) {
  new FiltroTexto(caja, [comaComoPunto](const QString& texto) -> std::optional<QString> {
    QString limpio;
    for (QChar c : texto) {
      if (c == QLatin1Char(',') && comaComoPunto) c = QLatin1Char('.');
      if (c == QLatin1Char('.')) {
        // A second separator is refused rather than dropped, so that the number already
        // there does not change its value.
        if (limpio.contains(c)) return std::nullopt;
        limpio += c;
      } else if (EsDigito(c)) {
        limpio += c;
      }
    }
    return limpio;
  });
}

void NoTeclear(QWidget* control) { control->installEventFilter(new SinTeclas(control)); }

QLabel* CrearAviso(QWidget* dialogo) {
  auto* aviso = new QLabel(dialogo);
  aviso->setObjectName("lblAviso");
  aviso->setStyleSheet(QStringLiteral("color: #c00000;"));
  aviso->setWordWrap(true);
  aviso->hide();
  return aviso;
}

void Avisar(QLabel* aviso, QWidget* caja, const QString& texto) {
  aviso->setText(texto);
  aviso->show();
  caja->setFocus();
  if (auto* linea = qobject_cast<QLineEdit*>(caja)) linea->selectAll();
  if (auto* area = qobject_cast<QPlainTextEdit*>(caja)) area->selectAll();
}

}  // namespace vendaluz
