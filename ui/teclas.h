// What the edit boxes accept, and the line in which a dialog says why it does not close.
//
// Each filtered box has one rule, applied by a validator to the whole text after every change
// the user makes, so typing, pasting and dropping text all give the same result. Text the
// program itself puts into a box (setText) is shown as it is: a value of an older project stays
// visible, and the dialog or the report names it, until the user edits it.
#pragma once

#include <QString>
#include <QValidator>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QWidget;

namespace vendaluz {

// The text a box keeps after a change, or nothing to refuse the change, which leaves the box
// as it was.
using ReglaTexto = std::function<std::optional<QString>(const QString&)>;

class FiltroTexto : public QValidator {
  Q_OBJECT

 public:
  // Installs itself as the validator of caja.
  FiltroTexto(QLineEdit* caja, ReglaTexto regla);

  State validate(QString& texto, int& pos) const override;

 private:
  QLineEdit* caja_;
  ReglaTexto regla_;
};

// The rules of the program's boxes.
void SoloDigitos(QLineEdit* caja);     // 0 to 9
void SoloMinusculas(QLineEdit* caja);  // a to z
// a to z, a capital or accented letter entered as its plain lower-case letter ("Ñ" as "n").
void NombreDeCampo(QLineEdit* caja);
// Digits and one decimal point; a comma is entered as the point, or refused.
void NumeroDecimal(QLineEdit* caja, bool comaComoPunto);

// Lists that take no typing at all (typing would pick an entry by its first letter).
void NoTeclear(QWidget* control);

// The red line of a dialog that says why "Aceptar" did not close it; hidden until needed.
QLabel* CrearAviso(QWidget* dialogo);
// Shows texto in the line and puts the focus on the box it names, its text selected.
void Avisar(QLabel* aviso, QWidget* caja, const QString& texto);

}  // namespace vendaluz
