// Opens a file or web address with the desktop's registered application. Windows
// call it through this interface so that tests can record what would be opened.
#pragma once

#include <string>

namespace vendaluz {

class Abridor {
 public:
  virtual ~Abridor() = default;
  // destino is a file path or a web address ("https://...", "mailto:..."). False when
  // the desktop could not start a program for it; what that program then does is not
  // known here.
  virtual bool Abrir(const std::string& destino) = 0;
};

// The desktop's own opener (QDesktopServices).
class AbridorEscritorio : public Abridor {
 public:
  bool Abrir(const std::string& destino) override;
};

}  // namespace vendaluz
