#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <iterator>
#include <optional>
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

// The bytes of a whole file, read forward only: callers ask for keys in file order. CR LF and
// a bare LF both end a line. The bytes must outlive the reader.
class KeyValueReader {
 public:
  explicit KeyValueReader(std::string_view bytes) : m_rest(bytes) {}

  // The bytes not read yet; empty once the end has been met.
  std::string_view Unread() const { return m_atEnd ? std::string_view() : m_rest; }
  // Whether the end has been met: every later search finds nothing.
  bool AtEnd() const { return m_atEnd; }

  // One piece of at most limit characters, ending after a line end when one comes first: how a
  // C stream reads a line into a fixed buffer. text leaves the line end out and stays valid as
  // long as the bytes.
  struct Piece {
    std::string_view text;
    bool lineEnd = false;
  };
  bool Next(std::size_t limit, Piece& piece);
  // Reads up to and with the first piece that starts with key; false at the end, with last the
  // last piece read.
  bool Seek(std::string_view key, std::size_t limit, Piece& last);
  // The rest of the bytes, every CR LF read as "\n"; the reader is at the end after it.
  std::string Rest();

 private:
  std::string_view m_rest;
  bool m_atEnd = false;
};

// Searches forward from the reader's position for the first line that begins with key and
// returns the value after it. Lines longer than capacity - 1 are read in pieces, each compared
// like a line.
KeyValue ReadKeyValue(KeyValueReader& in, std::string_view key, std::size_t capacity);

// Hands read a reader over the rest of the stream's bytes.
template <typename Reader>
auto ReadKeyValueStream(std::istream& in, Reader read) {
  std::string bytes;
  if (in.good()) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  KeyValueReader reader(bytes);
  return read(reader);
}

// Reads the file at path whole and hands read a reader over its bytes; empty when the file
// cannot be opened or read, a folder in its place included.
template <typename Reader>
auto ReadKeyValueFile(const std::filesystem::path& path, Reader read)
    -> std::optional<decltype(read(std::declval<KeyValueReader&>()))> {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  KeyValueReader reader(*bytes);
  return read(reader);
}

// A file of keyed lines read whole: read(reader, anyKey) takes its values and says whether it
// found one key of its kind. An empty file reads as read makes of it; bytes in which no key is
// found are another program's file or another encoding and come back as an error, never as an
// empty record that a save would then write over them.
template <typename Value>
struct KeyedFile {
  std::optional<Value> value;
  std::optional<FileError> error;
};
// The same over bytes already read from path.
template <typename Value, typename Read>
KeyedFile<Value> ReadKeyedBytes(const std::filesystem::path& path, std::string_view bytes,
                                Read read) {
  KeyedFile<Value> file;
  KeyValueReader in(bytes);
  bool anyKey = false;
  Value value = read(in, anyKey);
  if (!anyKey && !bytes.empty()) {
    file.error = FileError{FileErrorCause::kNotUnderstood, path};
  } else {
    file.value = std::move(value);
  }
  return file;
}
template <typename Value, typename Read>
KeyedFile<Value> ReadKeyedFile(const std::filesystem::path& path, Read read) {
  StoredBytes stored = ReadStoredFile(path);
  if (!stored.bytes) return {std::nullopt, std::move(stored.error)};
  return ReadKeyedBytes<Value>(path, *stored.bytes, read);
}

}  // namespace vesmira
