#include "support/comma_locale.h"

#include <clocale>
#include <cstdlib>
#include <string>

namespace vesmira::testing {

CommaLocale::CommaLocale() {
  const std::filesystem::path source = m_folder.path() / "comma.src";
  WriteBytes(source,
             "LC_NUMERIC\n"
             "decimal_point \"<U002C>\"\n"
             "thousands_sep \"<U002E>\"\n"
             "grouping 3;3\n"
             "END LC_NUMERIC\n");
  // localedef warns of the categories the source leaves out, and says so in its status.
  const std::string command = "localedef -c -i '" + source.string() + "' '" +
                              (m_folder.path() / "comma").string() + "' >/dev/null 2>&1";
  static_cast<void>(std::system(command.c_str()));
  setenv("LOCPATH", m_folder.path().c_str(), 1);
  m_active = std::setlocale(LC_NUMERIC, "comma") != nullptr;
}

CommaLocale::~CommaLocale() {
  std::setlocale(LC_NUMERIC, "C");
  unsetenv("LOCPATH");
}

}  // namespace vesmira::testing
