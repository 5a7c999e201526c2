// "Meta Tag": edits the value of one meta tag. Enter or "Aceptar" keeps the text
// (any text, empty too); "Cancelar" or closing keeps the old value.
#pragma once

#include <QDialog>

class QLineEdit;

namespace vendaluz {

class frmMeta : public QDialog {
  Q_OBJECT

 public:
  // nombre is the row's name as the list shows it (" Autor").
  frmMeta(const QString& nombre, const QString& valor, QWidget* padre = nullptr);
  QString Valor() const;

 private:
  QLineEdit* txtValor_;
};

}  // namespace vendaluz
