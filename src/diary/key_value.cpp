#include "diary/key_value.h"

#include <istream>
#include <ostream>
#include <utility>

namespace vesmira {

namespace {

void WriteText(std::ostream& out, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    out.write(text.data() + start, static_cast<std::streamsize>(i - start));
    out << kLineEnd;
    start = i + 1;
  }
  out.write(text.data() + start, static_cast<std::streamsize>(text.size() - start));
}

// One piece of at most capacity - 1 characters, ending after a line end when one comes
// first: how a C stream reads a line into a fixed buffer.
bool ReadPiece(std::istream& in, std::size_t capacity, std::string& piece) {
  piece.clear();
  const std::size_t limit = capacity > 1 ? capacity - 1 : 1;
  char c;
  while (piece.size() < limit && ReadTextChar(in, c)) {
    piece.push_back(c);
    if (c == '\n') break;
  }
  return !piece.empty();
}

std::string ReadRest(std::istream& in) {
  std::string rest;
  char c;
  while (ReadTextChar(in, c)) rest.push_back(c);
  return rest;
}

}  // namespace

bool ReadTextChar(std::istream& in, char& c) {
  const auto next = in.get();
  if (next == std::istream::traits_type::eof()) return false;
  c = static_cast<char>(next);
  if (c == '\r' && in.peek() == '\n') {
    in.get();
    c = '\n';
  }
  return true;
}

void WriteSectionLine(std::ostream& out, std::string_view title) {
  WriteText(out, title);
  out << kLineEnd;
}

void WriteKeyValue(std::ostream& out, std::string_view key, std::string_view value) {
  WriteText(out, key);
  out << kLineEnd;
  WriteText(out, value);
  out << kLineEnd << kLineEnd;
}

KeyValue ReadKeyValue(std::istream& in, std::string_view key, std::size_t capacity) {
  KeyValue result;
  std::string piece;
  std::string last;
  while (ReadPiece(in, capacity, piece)) {
    if (piece.size() < key.size() || piece.compare(0, key.size(), key) != 0) {
      last.swap(piece);
      continue;
    }
    result.found = true;
    if (key == kNoteKey) {
      // The whole rest of the file; the line end and empty line that close the entry go.
      result.value = ReadRest(in);
      if (result.value.ends_with("\n\n")) result.value.resize(result.value.size() - 2);
    } else if (ReadPiece(in, capacity, piece)) {
      // A longer value line stays partly unread; the next search passes over its rest.
      if (piece.ends_with('\n')) piece.pop_back();
      result.value = piece;
    }
    return result;
  }
  result.value = std::move(last);
  return result;
}

}  // namespace vesmira
