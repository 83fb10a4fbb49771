#include "storage/key_value.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vesmira {
namespace {

TEST(KeyValue, WritesSectionsAndEntriesWithCrLf) {
  std::ostringstream out;
  WriteSectionLine(out, "***Kal intag");
  WriteKeyValue(out, "frukost", "500");
  WriteKeyValue(out, "diaryNote", "one\ntwo");
  EXPECT_EQ(out.str(), "***Kal intag\r\nfrukost\r\n500\r\n\r\ndiaryNote\r\none\r\ntwo\r\n\r\n");
}

TEST(KeyValue, FindsKeysForwardOnly) {
  std::istringstream in("a\r\n1\r\n\r\nb\r\n2\r\n\r\n");
  EXPECT_EQ(ReadKeyValue(in, "b", kValueCapacity).value, "2");
  // The reader never goes back: "a" lies behind it now.
  const KeyValue missing = ReadKeyValue(in, "a", kValueCapacity);
  EXPECT_FALSE(missing.found);
  EXPECT_EQ(missing.value, "\n");  // the last line read: the closing empty line
  const KeyValue after = ReadKeyValue(in, "b", kValueCapacity);
  EXPECT_FALSE(after.found);
  EXPECT_EQ(after.value, "");
}

TEST(KeyValue, ALineThatBeginsWithTheKeyMatches) {
  std::istringstream in("mallet\nwood\n\nmal\n1800\n\n");
  EXPECT_EQ(ReadKeyValue(in, "mal", kValueCapacity).value, "wood");
}

TEST(KeyValue, ReadsCrLfAndBareLfAlike) {
  std::istringstream lf("x\n7\n\ny\n8\n\n");
  std::istringstream crlf("x\r\n7\r\n\r\ny\r\n8\r\n\r\n");
  for (std::istream* in : {static_cast<std::istream*>(&lf), static_cast<std::istream*>(&crlf)}) {
    EXPECT_EQ(ReadKeyValue(*in, "x", kValueCapacity).value, "7");
    EXPECT_EQ(ReadKeyValue(*in, "y", kValueCapacity).value, "8");
  }
}

TEST(KeyValue, ValuesAreCutTo39CharactersAndTheNextKeyIsStillFound) {
  const std::string exact(39, '7');
  const std::string longer = std::string(39, '1') + "tail";
  std::istringstream in("a\n" + exact + "\n\nb\n" + longer + "\n\nc\n3\n\n");
  EXPECT_EQ(ReadKeyValue(in, "a", kValueCapacity).value, exact);
  EXPECT_EQ(ReadKeyValue(in, "b", kValueCapacity).value, std::string(39, '1'));
  EXPECT_EQ(ReadKeyValue(in, "c", kValueCapacity).value, "3");
}

TEST(KeyValue, AKeyOnTheLastLineHasAnEmptyValue) {
  std::istringstream in("a\n1\n\nb");
  EXPECT_EQ(ReadKeyValue(in, "a", kValueCapacity).value, "1");
  const KeyValue last = ReadKeyValue(in, "b", kValueCapacity);
  EXPECT_TRUE(last.found);
  EXPECT_EQ(last.value, "");
}

TEST(KeyValue, NotesReadBackAsWritten) {
  const struct {
    const char* name;
    std::string note;
  } cases[] = {
      {"one line", "Ate well."},
      {"ends with a line break", "Ate well.\n"},
      {"several lines", "one\ntwo\n\nfour"},
      {"longer than 199 characters", std::string(500, 'n') + "\nend"},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    WriteKeyValue(out, "x", "1");
    WriteKeyValue(out, kNoteKey, c.note);
    std::istringstream in(out.str());
    ASSERT_TRUE(ReadKeyValue(in, "x", kValueCapacity).found);
    EXPECT_EQ(ReadKeyValue(in, kNoteKey, kNoteCapacity).value, c.note) << c.name;
  }
}

TEST(KeyValue, NothingAfterTheNoteKeyIsAnEmptyNote) {
  std::istringstream in("diaryNote\r\n");
  const KeyValue note = ReadKeyValue(in, kNoteKey, kNoteCapacity);
  EXPECT_TRUE(note.found);
  EXPECT_EQ(note.value, "");
}

TEST(KeyValue, LoneCarriageReturnsStayInTheText) {
  std::istringstream in("a\r\nx\ry\r\n\r\n");
  EXPECT_EQ(ReadKeyValue(in, "a", kValueCapacity).value, "x\ry");
}

}  // namespace
}  // namespace vesmira
