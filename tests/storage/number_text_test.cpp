#include "storage/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/comma_locale.h"

namespace vesmira {
namespace {

TEST(NumberText, WeightsKeepTheDecimalPointUnderACommaLocale) {
  const testing::CommaLocale locale;
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
