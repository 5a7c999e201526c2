// Edits the value of one meta tag; the caller stores it when the dialog is accepted.
#pragma once

#include <QDialog>

class QLineEdit;

namespace vendaluz {

class frmMeta : public QDialog {
  Q_OBJECT

 public:
  // nombre is the list's label of the tag (with its leading blank).
  frmMeta(const QString& nombre, const QString& valor, QWidget* padre = nullptr);
  QString Valor() const;

 private:
  QLineEdit* txtValor_;
};

}  // namespace vendaluz
