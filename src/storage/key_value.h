#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>

#include "storage/atomic_file.h"

// The text syntax of every data file: section lines ("***Title") and entries of three
// lines (key, value, empty line). Files hold CR LF line ends; in memory a line end is "\n".
namespace vesmira {

inline constexpr std::string_view kLineEnd = "\r\n";

// Capacity of the reader's buffer, its terminating zero included: values are cut to 39
// characters. The note's capacity is the piece size its key line is scanned with; the note
// itself is read whole.
inline constexpr std::size_t kValueCapacity = 40;
inline constexpr std::size_t kNoteCapacity = 200;
inline constexpr std::string_view kNoteKey = "diaryNote";

void WriteSectionLine(std::ostream& out, std::string_view title);

// Key, line end, value, line end, line end. A "\n" inside the value is stored as CR LF.
void WriteKeyValue(std::ostream& out, std::string_view key, std::string_view value);

struct KeyValue {
  bool found = false;
  // When not found: the last piece the search read, line end included, or empty. Callers
  // use it like any value (as a number it counts as 0).
  std::string value;
};

// Searches forward from the stream's position for the first line that begins with key and
// returns the value after it. The reader never seeks back: callers ask for keys in file
// order. Lines longer than capacity - 1 are read in pieces, each compared like a line.
KeyValue ReadKeyValue(std::istream& in, std::string_view key, std::size_t capacity);

// A stream buffer over a whole file's bytes in memory. ReadKeyValue reads an istream over it a
// line at a time instead of a character at a time, which is what makes a year of days as
// fast to read as the file system allows; what it reads is the same.
class TextBuffer final : public std::streambuf {
 public:
  explicit TextBuffer(std::string bytes);
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;

  std::string_view Unread() const;
  void Skip(std::size_t count);

 private:
  std::string m_bytes;
};

// Reads the file at path whole into a TextBuffer and hands read a stream over it; empty when
// the file cannot be opened or read, a folder in its place included.
template <typename Reader>
auto ReadTextFile(const std::filesystem::path& path, Reader read)
    -> std::optional<decltype(read(std::declval<std::istream&>()))> {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  TextBuffer buffer(std::move(*bytes));
  std::istream in(&buffer);
  return read(in);
}

// Reads one line end as text mode does: CR LF and a bare LF alike. Returns false at the end.
bool ReadTextChar(std::istream& in, char& c);

}  // namespace vesmira
