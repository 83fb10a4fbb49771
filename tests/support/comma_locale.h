#pragma once

#include "support/temp_folder.h"

namespace vesmira::testing {

// A locale whose numbers use a decimal comma, as German and Swedish do, built on the spot
// (a clean machine has no locale but C) and made the C library's LC_NUMERIC, as
// QApplication does from the environment, for as long as the object lives.
class CommaLocale {
 public:
  CommaLocale();
  ~CommaLocale();
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;
  bool Active() const { return m_active; }

 private:
  TempFolder m_folder;
  bool m_active = false;
};

}  // namespace vesmira::testing
