// Asks the desktop to open a file or web address with its registered application.
// The desktop program provides the implementation; the core only calls it.
#pragma once

#include <string>

namespace vendaluz {

class DefaultOpener {
 public:
  virtual ~DefaultOpener() = default;
  // verb is the action ("open"); target a file path or web address. Failures of the
  // desktop are not reported.
  virtual void Open(const std::string& verb, const std::string& target) = 0;
};

}  // namespace vendaluz
