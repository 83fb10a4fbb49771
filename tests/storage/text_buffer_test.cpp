// A day read from a file goes through a TextBuffer, a line at a time; any other stream is read
// a character at a time. Both must find the same values and leave the same state behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "diary/day_file.h"
#include "storage/key_value.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

struct Lookup {
  std::string key;
  std::size_t capacity;
};

struct Case {
  const char* name;
  std::string bytes;
  std::vector<Lookup> lookups;
};

std::vector<Case> Cases() {
  const std::string fortyOne(41, 'x');
  return {
      {"CR LF and bare LF lines",
       "a\r\n1\r\n\r\nb\n2\n\nc\r\n3",
       {{"a", 40}, {"b", 40}, {"c", 40}}},
      {"line longer than the buffer, compared piece by piece",
       fortyOne + "key\r\nvalue\r\n",
       {{"xkey", 40}, {"key", 40}, {"value", 40}}},
      {"CR LF falling on the buffer's last character",
       std::string(38, 'y') + "\r\nk\r\nv\r\n",
       {{"k", 40}, {"v", 40}}},
      {"CR LF just past the buffer", std::string(39, 'y') + "\r\nk\r\n", {{"\r", 40}, {"k", 40}}},
      {"value longer than the buffer, its rest passed over",
       "k\r\n" + fortyOne + "\r\n\r\nn\r\n7\r\n",
       {{"k", 40}, {"n", 40}}},
      {"bare CR at the end", "k\r\nv\r", {{"k", 40}, {"missing", 40}, {"k", 40}}},
      {"key not found hands back the last piece", "a\r\n1\r\n\r\n", {{"zz", 40}, {"a", 40}}},
      {"key line is the last line", "a\r\n1\r\n\r\nlast", {{"last", 40}, {"a", 40}}},
      {"note read whole, CR CR LF kept as CR LF",
       "diaryNote\r\none\r\r\ntwo\r\n\r\n\r\n",
       {{"diaryNote", 200}, {"a", 40}}},
      {"empty key matches the first piece", "\r\nq\r\n", {{"", 40}, {"", 40}}},
      {"key with its line end", "a\r\nb\n", {{"a\n", 40}, {"b\n", 40}}},
      {"capacities 0, 1 and 2", "abc\r\ndef\r\n", {{"a", 0}, {"b", 1}, {"\n", 2}, {"def", 2}}},
      {"empty bytes", "", {{"a", 40}, {"diaryNote", 200}}},
      // Found by fuzzing: an empty key matched the end of the bytes.
      {"empty key over empty bytes", "", {{"", 40}, {"\n\n", 40}}},
      {"key found inside a piece is no match", "xkey\r\nkey", {{"key", 3}, {"key", 40}}},
      {"key found in the rest of a cut line",
       std::string(45, 'z') + "key\r\nkey\r\n",
       {{"key", 40}, {"", 40}}},
      {"key found only where CR LF reads as a line end", "a\r\nb\r", {{"\r", 40}}},
  };
}

TEST(TextBuffer, ReadsLikeAnyStream) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    std::istringstream stream(c.bytes);
    TextBuffer buffer(c.bytes);
    std::istream memory(&buffer);
    for (const Lookup& lookup : c.lookups) {
      SCOPED_TRACE("key \"" + lookup.key + "\"");
      const KeyValue expected = ReadKeyValue(stream, lookup.key, lookup.capacity);
      const KeyValue read = ReadKeyValue(memory, lookup.key, lookup.capacity);
      EXPECT_EQ(read.found, expected.found);
      EXPECT_EQ(read.value, expected.value);
      EXPECT_EQ(memory.rdstate(), stream.rdstate());
    }
  }
}

TEST(TextBuffer, SpotValues) {
  // The values themselves, so the two ways cannot agree on a wrong answer.
  TextBuffer buffer(std::string(38, 'y') + "\r\nk\r\nv\r\n\r\nn\r\n" + std::string(45, '9'));
  std::istream in(&buffer);
  EXPECT_EQ(ReadKeyValue(in, "k", 40).value, "v");
  const KeyValue cut = ReadKeyValue(in, "n", 40);
  EXPECT_TRUE(cut.found);
  EXPECT_EQ(cut.value, std::string(39, '9'));
  const KeyValue missing = ReadKeyValue(in, "zz", 40);
  EXPECT_FALSE(missing.found);
  EXPECT_EQ(missing.value, "999999");
  EXPECT_TRUE(in.eof());
  EXPECT_EQ(ReadKeyValue(in, "k", 40).value, "");
}

TEST(TextBuffer, FolderInPlaceOfADayFileIsNoDay) {
  testing::TempFolder folder;
  const std::filesystem::path path = DayFilePath(folder.path(), "Anna", "06-12-2026");
  std::filesystem::create_directories(path);
  EXPECT_EQ(ReadDayFile(path), std::nullopt);
  EXPECT_EQ(ReadDayTotals(path), std::nullopt);
  DayRecord record;
  record.meals[0] = 5;
  EXPECT_FALSE(ReadDayRecord(path, record));
  EXPECT_EQ(record.meals[0], 5);
}

}  // namespace
}  // namespace vesmira
