#include "storage/shown_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vesmira {
namespace {

TEST(ShownText, TheSessionLanguageIsChosenAsGettextChoosesIt) {
  const struct {
    std::map<std::string, std::string> environment;
    const char* language;
  } cases[] = {
      {{}, ""},
      {{{"LANG", "sv_SE.UTF-8"}}, "sv"},
      {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},
      {{{"LANG", "fr_FR.UTF-8"}}, ""},
      // The messages' category goes before LANG, LC_ALL before both.
      {{{"LANG", "sv_SE.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "sv_SE.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LC_ALL", "en_GB.UTF-8"}}, ""},
      // LANGUAGE's list first, the first language with a catalog, English one of them.
      {{{"LANG", "sv_SE.UTF-8"}, {"LANGUAGE", "fr:de:sv"}}, "de"},
      {{{"LANG", "sv_SE.UTF-8"}, {"LANGUAGE", "en_GB:sv"}}, ""},
      {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", ":nb::"}}, ""},
      // ...unless the messages' locale is C, which is English whatever LANGUAGE says.
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "sv"}}, ""},
      {{{"LC_ALL", "POSIX"}, {"LANG", "sv_SE.UTF-8"}}, ""},
      {{{"LC_ALL", ""}, {"LANG", "sv_SE.UTF-8"}}, "sv"},
  };
  for (const auto& c : cases) {
    const auto environment = [&c](const char* name) -> const char* {
      const auto found = c.environment.find(name);
      return found == c.environment.end() ? nullptr : found->second.c_str();
    };
    EXPECT_EQ(SessionLanguage(environment, {"sv", "de"}), c.language)
        << testing::PrintToString(c.environment);
  }
}

TEST(ShownText, EnglishCountsAndFillsInAsItWasWritten) {
  EXPECT_EQ(English().Counted("c", "%n day(s)", 0), "0 days");
  EXPECT_EQ(English().Counted("c", "%n day(s) change(s|)", 1), "1 day changes");
  EXPECT_EQ(English().Counted("c", "%n day(s) change(s|) (a new day)", 12),
            "12 days change (a new day)");
  // An argument's own "%2" is not read again; a placeholder without its argument stays.
  EXPECT_EQ(FillIn("%1 and %2, %3", {"a %2", "b"}), "a %2 and b, %3");
  EXPECT_EQ(FillIn("20 %: %1%", {"x"}), "20 %: x%");
}

}  // namespace
}  // namespace vesmira
