#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace vendaluz {

// The Aceptar/Cancelar row at the foot of a dialog: right-aligned, Aceptar is the
// default button and Cancelar already rejects the dialog. The caller adds `fila` to
// its layout and connects `aceptar`.
struct FilaBotones {
  QPushButton* aceptar;
  QPushButton* cancelar;
  QHBoxLayout* fila;
};

FilaBotones CrearFilaBotones(QDialog* dialogo);

}  // namespace vendaluz
