#include "diary/note_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vesmira {
namespace {

// The work of laying the note out is bounded by the longest line and the whole text shown.
TEST(NoteDisplay, EveryNoteIsShownInBoundedLinesAndOnlyAnOrdinaryOneIsEditable) {
  const struct {
    const char* what;
    std::string note;
    bool editable;
  } rows[] = {
      {"an ordinary note", "Ran 5 km.\nAte well.", true},
      {"a line at the limit", std::string(kMaxEditableNoteLine, 'a'), true},
      {"one line longer", std::string(kMaxEditableNoteLine + 1, 'a'), false},
      {"a megabyte on one line", std::string(1 << 20, 'b'), false},
      {"sixteen megabytes in lines", std::string(16 << 20, '\n'), false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const NoteDisplay display = NoteForDisplay(row.note);
    EXPECT_EQ(display.editable, row.editable);
    if (row.editable) {
      EXPECT_EQ(display.shown, row.note);
      continue;
    }
    EXPECT_LE(display.shown.size(), kMaxShownNoteBytes + kMaxShownNoteBytes / kShownNoteLine + 200);
    std::size_t line = 0;
    for (const char c : display.shown) {
      line = c == '\n' ? 0 : line + 1;
      ASSERT_LE(line, kShownNoteLine);
    }
    EXPECT_LE(std::count(display.shown.begin(), display.shown.end(), '\n'), kMaxShownNoteLines + 2);
  }
  // A letter of two bytes is never cut in half at a break.
  std::string letters;
  for (int i = 0; i < 3000; ++i) letters += "\xC3\xA5";
  const NoteDisplay display = NoteForDisplay(letters);
  EXPECT_EQ(display.shown.find("\xC3\n"), std::string::npos);
  EXPECT_NE(display.shown.find("kept exactly as stored"), std::string::npos);
}

}  // namespace
}  // namespace vesmira
