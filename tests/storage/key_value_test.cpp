#include "storage/key_value.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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
  KeyValueReader in("a\r\n1\r\n\r\nb\r\n2\r\n\r\n");
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
  KeyValueReader in("mallet\nwood\n\nmal\n1800\n\n");
  EXPECT_EQ(ReadKeyValue(in, "mal", kValueCapacity).value, "wood");
}

TEST(KeyValue, ReadsCrLfAndBareLfAlike) {
  KeyValueReader lf("x\n7\n\ny\n8\n\n");
  KeyValueReader crlf("x\r\n7\r\n\r\ny\r\n8\r\n\r\n");
  for (KeyValueReader* in : {&lf, &crlf}) {
    EXPECT_EQ(ReadKeyValue(*in, "x", kValueCapacity).value, "7");
    EXPECT_EQ(ReadKeyValue(*in, "y", kValueCapacity).value, "8");
  }
}

TEST(KeyValue, ValuesAreCutTo39CharactersAndTheNextKeyIsStillFound) {
  const std::string exact(39, '7');
  const std::string longer = std::string(39, '1') + "tail";
  const std::string bytes = "a\n" + exact + "\n\nb\n" + longer + "\n\nc\n3\n\n";
  KeyValueReader in(bytes);
  EXPECT_EQ(ReadKeyValue(in, "a", kValueCapacity).value, exact);
  EXPECT_EQ(ReadKeyValue(in, "b", kValueCapacity).value, std::string(39, '1'));
  EXPECT_EQ(ReadKeyValue(in, "c", kValueCapacity).value, "3");
}

TEST(KeyValue, AKeyOnTheLastLineHasAnEmptyValue) {
  KeyValueReader in("a\n1\n\nb");
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
    const std::string bytes = out.str();
    KeyValueReader in(bytes);
    ASSERT_TRUE(ReadKeyValue(in, "x", kValueCapacity).found);
    EXPECT_EQ(ReadKeyValue(in, kNoteKey, kNoteCapacity).value, c.note) << c.name;
  }
}

TEST(KeyValue, NothingAfterTheNoteKeyIsAnEmptyNote) {
  KeyValueReader in("diaryNote\r\n");
  const KeyValue note = ReadKeyValue(in, kNoteKey, kNoteCapacity);
  EXPECT_TRUE(note.found);
  EXPECT_EQ(note.value, "");
}

TEST(KeyValue, LoneCarriageReturnsStayInTheText) {
  KeyValueReader in("a\r\nx\ry\r\n\r\n");
  EXPECT_EQ(ReadKeyValue(in, "a", kValueCapacity).value, "x\ry");
}

// Pieces as a C stream reads lines into a buffer of capacity characters: each lookup's
// result and whether the reader has met the end after it.
TEST(KeyValue, ReadsPiecesAsACStreamReadsLinesIntoABuffer) {
  struct Lookup {
    std::string key;
    std::size_t capacity;
    bool found;
    std::string value;
    bool atEnd;
  };
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<Lookup> lookups;
  };
  const std::string fortyOne(41, 'x');
  const Case cases[] = {
      {"CR LF and bare LF lines",
       "a\r\n1\r\n\r\nb\n2\n\nc\r\n3",
       {{"a", 40, true, "1", false}, {"b", 40, true, "2", false}, {"c", 40, true, "3", true}}},
      {"line longer than the buffer, compared piece by piece",
       fortyOne + "key\r\nvalue\r\n",
       {{"xkey", 40, false, "value\n", true},
        {"key", 40, false, "", true},
        {"value", 40, false, "", true}}},
      {"CR LF falling on the buffer's last character",
       std::string(38, 'y') + "\r\nk\r\nv\r\n",
       {{"k", 40, true, "v", false}, {"v", 40, false, "", true}}},
      {"CR LF just past the buffer",
       std::string(39, 'y') + "\r\nk\r\n",
       {{"\r", 40, false, "k\n", true}, {"k", 40, false, "", true}}},
      {"value longer than the buffer, its rest passed over",
       "k\r\n" + fortyOne + "\r\n\r\nn\r\n7\r\n",
       {{"k", 40, true, fortyOne.substr(0, 39), false}, {"n", 40, true, "7", false}}},
      {"bare CR at the end",
       "k\r\nv\r",
       {{"k", 40, true, "v\r", true},
        {"missing", 40, false, "", true},
        {"k", 40, false, "", true}}},
      {"key not found hands back the last piece",
       "a\r\n1\r\n\r\n",
       {{"zz", 40, false, "\n", true}, {"a", 40, false, "", true}}},
      {"key line is the last line",
       "a\r\n1\r\n\r\nlast",
       {{"last", 40, true, "", true}, {"a", 40, false, "", true}}},
      {"note read whole, CR CR LF kept as CR LF",
       "diaryNote\r\none\r\r\ntwo\r\n\r\n\r\n",
       {{"diaryNote", 200, true, "one\r\ntwo\n", true}, {"a", 40, false, "", true}}},
      {"empty key matches the first piece",
       "\r\nq\r\n",
       {{"", 40, true, "q", false}, {"", 40, false, "", true}}},
      {"key with its line end",
       "a\r\nb\n",
       {{"a\n", 40, true, "b", false}, {"b\n", 40, false, "", true}}},
      {"capacities 0, 1 and 2",
       "abc\r\ndef\r\n",
       {{"a", 0, true, "b", false},
        {"b", 1, false, "\n", true},
        {"\n", 2, false, "", true},
        {"def", 2, false, "", true}}},
      {"empty bytes", "", {{"a", 40, false, "", true}, {"diaryNote", 200, false, "", true}}},
      // Found by fuzzing: an empty key matched the end of the bytes.
      {"empty key over empty bytes",
       "",
       {{"", 40, false, "", true}, {"\n\n", 40, false, "", true}}},
      {"key found inside a piece is no match",
       "xkey\r\nkey",
       {{"key", 3, false, "y", true}, {"key", 40, false, "", true}}},
      {"key found in the rest of a cut line",
       std::string(45, 'z') + "key\r\nkey\r\n",
       {{"key", 40, true, "", true}, {"", 40, false, "", true}}},
      {"key found only where CR LF reads as a line end",
       "a\r\nb\r",
       {{"\r", 40, false, "b\r", true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyValueReader in(c.bytes);
    for (const Lookup& lookup : c.lookups) {
      SCOPED_TRACE("key \"" + lookup.key + "\"");
      const KeyValue read = ReadKeyValue(in, lookup.key, lookup.capacity);
      EXPECT_EQ(read.found, lookup.found);
      EXPECT_EQ(read.value, lookup.value);
      EXPECT_EQ(in.AtEnd(), lookup.atEnd);
    }
  }
}

TEST(KeyValue, ACutValueAndAMissingKeyAtTheEnd) {
  const std::string bytes = std::string(38, 'y') + "\r\nk\r\nv\r\n\r\nn\r\n" + std::string(45, '9');
  KeyValueReader in(bytes);
  EXPECT_EQ(ReadKeyValue(in, "k", 40).value, "v");
  const KeyValue cut = ReadKeyValue(in, "n", 40);
  EXPECT_TRUE(cut.found);
  EXPECT_EQ(cut.value, std::string(39, '9'));
  const KeyValue missing = ReadKeyValue(in, "zz", 40);
  EXPECT_FALSE(missing.found);
  EXPECT_EQ(missing.value, "999999");
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(ReadKeyValue(in, "k", 40).value, "");
}

}  // namespace
}  // namespace vesmira
