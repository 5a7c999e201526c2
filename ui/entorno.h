// What the windows need from outside them: the workspace folders, the boxes and
// dialogs, and the desktop's opener. main() (or a test) owns all three; windows
// keep references for their lifetime.
#pragma once

#include "model/espacio.h"
#include "ui/abridor.h"
#include "ui/dialogos.h"

namespace vendaluz {

struct Entorno {
  Espacio espacio;
  Dialogos& dialogos;
  Abridor& abridor;
};

}  // namespace vendaluz
