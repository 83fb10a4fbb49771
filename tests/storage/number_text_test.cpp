#include "storage/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/temp_folder.h"

namespace vesmira {
namespace {

// A locale whose numbers use a decimal comma, as German and Swedish do, built on the spot
// (a clean machine has no locale but C) and made the C library's LC_NUMERIC, as
// QApplication does from the environment.
class CommaLocale {
 public:
  CommaLocale() {
    const std::filesystem::path source = m_folder.path() / "comma.src";
    testing::WriteBytes(source,
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
  ~CommaLocale() {
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
  }
  bool Active() const { return m_active; }

 private:
  testing::TempFolder m_folder;
  bool m_active = false;
};

TEST(NumberText, WeightsKeepTheDecimalPointUnderACommaLocale) {
  const CommaLocale locale;
  ASSERT_TRUE(locale.Active()) << "localedef could not build a test locale";
  char printed[32];
  std::snprintf(printed, sizeof printed, "%f", 0.5);
  ASSERT_STREQ(printed, "0,500000") << "the locale is not in force";

  const struct {
    double kilograms;
    const char* text;
  } cases[] = {
      {-0.8 / 7.0, "-0.114286"}, {200 / 7000.0, "0.028571"},    {0.0, "0.000000"},
      {-0.0, "-0.000000"},       {1234567.5, "1234567.500000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatWeight(c.kilograms), c.text) << c.text;
}

}  // namespace
}  // namespace vesmira
