#include "storage/text_encoding.h"

#include <gtest/gtest.h>

namespace vesmira {
namespace {

TEST(StoredBytesToUtf8, KeepsUtf8AndReadsEveryOtherByteAsWindows1252) {
  const struct {
    const char* name;
    std::string bytes;
    std::string utf8;
  } cases[] = {
      {"ascii", "Anna 500", "Anna 500"},
      {"utf-8", "Sm\xC3\xB6rg\xC3\xA5s \xE2\x82\xAC \xF0\x9F\x8D\x8E",
       "Sm\xC3\xB6rg\xC3\xA5s \xE2\x82\xAC \xF0\x9F\x8D\x8E"},
      {"windows-1252", "Bj\xF6rn \x80 \x93x\x94",
       "Bj\xC3\xB6rn \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"},
      {"both kinds", "\xF6 \xC3\xB6", "\xC3\xB6 \xC3\xB6"},
      {"cut inside a letter", "sm\xC3\xB6r\xC3", "sm\xC3\xB6r\xC3\x83"},
      {"overlong and surrogate", "\xC0\xAF\xED\xA0\x80",
       "\xC3\x80\xC2\xAF\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
      {"unassigned byte", "\x81", "\xC2\x81"},
  };
  for (const auto& c : cases) EXPECT_EQ(StoredBytesToUtf8(c.bytes), c.utf8) << c.name;
}

}  // namespace
}  // namespace vesmira
