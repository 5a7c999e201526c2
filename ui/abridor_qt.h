// Opens files and web addresses with the desktop's registered applications.
#pragma once

#include "platform/default_opener.h"

namespace vendaluz {

class AbridorQt : public DefaultOpener {
 public:
  // target is a web address ("https://...", "mailto:...") or a file path.
  void Open(const std::string& verb, const std::string& target) override;
};

}  // namespace vendaluz
