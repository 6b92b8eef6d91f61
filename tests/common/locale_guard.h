#pragma once

#include <clocale>
#include <string>

// Switches the process to a comma-decimal locale for one test, the way a Qt program adopts
// the user's locale at start-up, and restores the previous locale afterwards.
class CommaDecimalLocale {
 public:
  CommaDecimalLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  }
  ~CommaDecimalLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  bool active() const { return active_; }

 private:
  std::string previous_;
  bool active_ = false;
};
