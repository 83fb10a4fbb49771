#include "export/html_page.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "build_config.h"
#include "export/export_file.h"
#include "support/export_golden.h"
#include "support/stored_days.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::TempFolder;

// An empty string when the page's tags pair up and every '&', '<' and '>' of its text is
// mark-up; otherwise what is wrong.
std::string MarkupFault(const std::string& page) {
  static const std::set<std::string> kEntities = {"amp", "lt", "gt", "quot", "nbsp"};
  std::vector<std::string> open;
  for (std::size_t i = 0; i < page.size(); ++i) {
    const char c = page[i];
    if (c == '>') return "stray '>' at " + std::to_string(i);
    if (c == '&') {
      const std::size_t end = page.find(';', i);
      if (end == std::string::npos || kEntities.count(page.substr(i + 1, end - i - 1)) == 0) {
        return "stray '&' at " + std::to_string(i);
      }
      continue;
    }
    if (c != '<') continue;
    const std::size_t end = page.find('>', i);
    if (end == std::string::npos) return "unclosed tag at " + std::to_string(i);
    const std::string tag = page.substr(i + 1, end - i - 1);
    i = end;
    if (tag.starts_with('!')) continue;  // the document type and the closing comment
    if (tag.find('<') != std::string::npos) return "'<' inside tag " + tag;
    if (tag.starts_with('/')) {
      if (open.empty() || open.back() != tag.substr(1)) return "unmatched </" + tag.substr(1);
      open.pop_back();
    } else if (const std::string name = tag.substr(0, tag.find(' '));
               name != "meta" && name != "br") {
      open.push_back(name);
    }
  }
  return open.empty() ? "" : "unclosed <" + open.back() + ">";
}

TEST(EscapeHtml, ReplacesTheFourMarkupCharactersOnly) {
  EXPECT_EQ(EscapeHtml("a<b & c"), "a&lt;b &amp; c");
  EXPECT_EQ(EscapeHtml("<script>\"x\"</script>"), "&lt;script&gt;&quot;x&quot;&lt;/script&gt;");
  EXPECT_EQ(EscapeHtml("it's 5 km, \xE5t \xC3\xA5"), "it's 5 km, \xE5t \xC3\xA5");
  EXPECT_EQ(EscapeHtml("&amp;"), "&amp;amp;");
}

TEST(HtmlExport, PageOfTwoStoredDaysMatchesTheGoldenFileAndIsWellFormed) {
  const TempFolder folder;
  const std::string user = "Anna & Bo";
  testing::StoreTotals(folder.path(), user, {2027, 3, 10}, 2300, 0, "a<b & c");
  testing::StoreTotals(folder.path(), user, {2027, 3, 5}, 1800, 200,
                       "Ran 5 km\nFelt \"great\" > yesterday");
  testing::StoreTotals(folder.path(), user, {2027, 3, 11}, 1800, 200, "tomorrow");
  testing::StoreTotals(folder.path(), user, {2026, 3, 10}, 1800, 200, "a year ago");
  const RangeWalkInput input{folder.path(), user, UserSettings{}, {2027, 3, 10}};
  const std::filesystem::path target = folder.path() / "Diet.html";

  ASSERT_FALSE(ExportStoredDays(ExportKind::kHtmlPage, input, target).has_value());
  const std::string page = ReadFileBytes(target).value_or("");
  EXPECT_EQ(page, testing::WithBuiltHomePage(testing::GoldenBytes("page_two_stored_days.html"),
                                             folder.path()));
  EXPECT_EQ(MarkupFault(page), "");
  // Run from a build, nothing installed: the link leads to the data folder's help page.
  if (std::string_view(build::kPageLinkUrl).starts_with("file://") &&
      !std::filesystem::exists(std::string_view(build::kPageLinkUrl).substr(7))) {
    EXPECT_EQ(PageLinkUrl("/home/anna/my diary"), "file:///home/anna/my%20diary/help.html");
  }
}

TEST(HtmlExport, RowsShowTheWholeNoteAndAnEmptyNoteAsEmpty) {
  const TempFolder folder;
  const std::string longNote(450, 'n');
  testing::StoreTotals(folder.path(), "Anna", {2027, 3, 10}, 0, 0, "");
  testing::StoreTotals(folder.path(), "Anna", {2027, 3, 9}, 0, 0, longNote + "\nend");
  std::ostringstream out;
  WriteStoredDays(ExportKind::kHtmlPage, {folder.path(), "Anna", UserSettings{}, {2027, 3, 10}},
                  out);
  const std::string page = out.str();
  EXPECT_NE(page.find("<h3>10-03-2027</h3></td><td align=\"left\"></td>\r\n"), std::string::npos);
  EXPECT_NE(
      page.find("<h3>09-03-2027</h3></td><td align=\"left\">" + longNote + "<br>\r\nend</td>"),
      std::string::npos);
  EXPECT_EQ(MarkupFault(page), "");
}

TEST(HtmlExport, MarkupInTheUserNameStaysText) {
  std::ostringstream out;
  WriteHtmlHead(out, "<b>Eva</b>");
  EXPECT_NE(out.str().find("<title>Vesmira user data for &lt;b&gt;Eva&lt;/b&gt;</title>\r\n"),
            std::string::npos);
}

TEST(HtmlExport, ThePageIsUtf8WhateverTheDaysWereStoredIn) {
  const TempFolder folder;
  const std::string user = "Bj\xF6rn";  // a name from an older install, in Windows-1252
  testing::StoreTotals(folder.path(), user, {2027, 3, 10}, 0, 0, "Sm\xC3\xB6rg\xC3\xA5s, caf\xE9");
  std::ostringstream out;
  WriteStoredDays(ExportKind::kHtmlPage, {folder.path(), user, UserSettings{}, {2027, 3, 10}}, out);
  const std::string page = out.str();
  EXPECT_NE(page.find("<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
                      "charset=utf-8\">\r\n<title>Vesmira user data for Bj\xC3\xB6rn</title>"),
            std::string::npos);
  EXPECT_NE(page.find(">Sm\xC3\xB6rg\xC3\xA5s, caf\xC3\xA9</td>"), std::string::npos);
}

}  // namespace
}  // namespace vesmira
