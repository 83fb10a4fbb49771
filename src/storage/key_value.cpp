#include "storage/key_value.h"

#include <string.h>

#include <algorithm>
#include <ios>
#include <istream>
#include <ostream>
#include <streambuf>
#include <typeinfo>
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

// memmem: std::string_view::find compares the whole key at every match of its first letter.
std::size_t Find(std::string_view text, std::string_view key) {
  if (key.empty()) return 0;
  const void* at = ::memmem(text.data(), text.size(), key.data(), key.size());
  return at == nullptr ? text.npos
                       : static_cast<std::size_t>(static_cast<const char*>(at) - text.data());
}

// The lines of a stored file are short: a plain loop finds their end sooner than a call to
// memchr, which pays off on long lines only.
std::size_t FindLineEnd(std::string_view text) {
  const std::size_t shortLine = std::min<std::size_t>(text.size(), 32);
  for (std::size_t i = 0; i < shortLine; ++i) {
    if (text[i] == '\n') return i;
  }
  return text.find('\n', shortLine);
}

constexpr auto kAtEnd = std::ios::eofbit | std::ios::failbit;

std::size_t PieceLimit(std::size_t capacity) { return capacity > 1 ? capacity - 1 : 1; }

// One piece of at most capacity - 1 characters, ending after a line end when one comes
// first: how a C stream reads a line into a fixed buffer. The text leaves the line end out.
struct Piece {
  std::string_view text;
  bool lineEnd = false;

  std::string Whole() const {
    std::string whole(text);
    if (lineEnd) whole.push_back('\n');
    return whole;
  }
  // Compared like a line: the key against the piece's first characters, its line end included.
  bool StartsWith(std::string_view key) const {
    if (text.starts_with(key)) return true;
    return lineEnd && key.size() == text.size() + 1 && key.starts_with(text) && key.back() == '\n';
  }
};

// Reads up to and with the first piece that starts with key; false at the end, with last the
// last piece read.
template <typename Text>
bool SeekPieceByPiece(Text& text, std::string_view key, std::size_t limit, Piece& last) {
  Piece piece;
  while (text.Next(limit, piece)) {
    if (piece.StartsWith(key)) return true;
    last = piece;
  }
  return false;
}

// Any stream, a character at a time. A piece stays valid until the next but one is read.
class StreamText {
 public:
  explicit StreamText(std::istream& in) : m_in(in) {}

  bool Next(std::size_t limit, Piece& piece) {
    // Two pieces in turn, so the one before stays where it is.
    m_turn ^= 1;
    std::string& current = m_pieces[m_turn];
    current.clear();
    char c;
    while (current.size() < limit && ReadTextChar(m_in, c)) {
      current.push_back(c);
      if (c == '\n') break;
    }
    piece.lineEnd = !current.empty() && current.back() == '\n';
    piece.text = std::string_view(current).substr(0, current.size() - (piece.lineEnd ? 1 : 0));
    return !current.empty();
  }

  bool Seek(std::string_view key, std::size_t limit, Piece& last) {
    return SeekPieceByPiece(*this, key, limit, last);
  }

  std::string Rest() {
    std::string rest;
    char c;
    while (ReadTextChar(m_in, c)) rest.push_back(c);
    return rest;
  }

 private:
  std::istream& m_in;
  std::string m_pieces[2];
  int m_turn = 0;
};

// A TextBuffer, a line at a time and without copying: the same pieces, and the stream left in
// the same state. A piece stays valid as long as the buffer.
class MemoryText {
 public:
  MemoryText(std::istream& in, TextBuffer& buffer) : m_in(in), m_buffer(buffer) {}

  bool Next(std::size_t limit, Piece& piece) {
    piece = Piece{};
    if (!m_in.good()) return false;
    const std::string_view rest = m_buffer.Unread();
    const std::size_t lineEnd = FindLineEnd(rest.substr(0, limit + 1));
    if (lineEnd != rest.npos) {
      // A CR LF pair is one character of the piece.
      const bool crLf = lineEnd > 0 && rest[lineEnd - 1] == '\r';
      const std::size_t length = crLf ? lineEnd : lineEnd + 1;
      if (length <= limit) {
        piece = {rest.substr(0, length - 1), true};
        m_buffer.Skip(lineEnd + 1);
        return true;
      }
    }
    const std::size_t length = std::min(limit, rest.size());
    piece.text = rest.substr(0, length);
    m_buffer.Skip(length);
    if (length < limit) m_in.setstate(kAtEnd);
    return length > 0;
  }

  // As StreamText::Seek, but the key is looked for in the bytes and only where it is found are
  // the pieces worked out: every line end ends a piece, and a longer line is cut every limit
  // characters from where its reading began.
  bool Seek(std::string_view key, std::size_t limit, Piece& last) {
    // A key with a line end may match where the bytes hold CR LF: piece by piece.
    if (key.find('\n') != key.npos) return SeekPieceByPiece(*this, key, limit, last);
    Piece piece;
    // Readers ask for keys in file order, so the key is most often a line or two ahead: those
    // are tried first, piece by piece, before the bytes are searched.
    for (int i = 0; i < 3; ++i) {
      if (!Next(limit, piece)) return false;
      if (piece.StartsWith(key)) return true;
      last = piece;
    }
    while (m_in.good()) {
      const std::string_view rest = m_buffer.Unread();
      const std::size_t at = Find(rest, key);
      if (at == rest.npos) break;
      const std::size_t lineStart = at == 0 ? 0 : rest.rfind('\n', at - 1) + 1;
      // The piece the match lies in, read whole: it either starts with the key or is passed.
      m_buffer.Skip(lineStart + (at - lineStart) / limit * limit);
      if (!Next(limit, piece)) break;
      if ((at - lineStart) % limit == 0 && piece.StartsWith(key)) return true;
      last = piece;
    }
    if (!m_in.good()) return false;
    // Not found: the last piece is one of the last line's.
    const std::string_view rest = m_buffer.Unread();
    std::size_t lastLine = 0;
    if (rest.size() >= 2) {
      const std::size_t before = rest.rfind('\n', rest.size() - 2);
      if (before != rest.npos) lastLine = before + 1;
    }
    m_buffer.Skip(lastLine);
    while (Next(limit, piece)) last = piece;
    return false;
  }

  std::string Rest() {
    std::string rest;
    if (!m_in.good()) return rest;
    const std::string_view unread = m_buffer.Unread();
    rest.reserve(unread.size());
    std::size_t start = 0;
    for (std::size_t at = unread.find("\r\n"); at != unread.npos; at = unread.find("\r\n", start)) {
      rest.append(unread.substr(start, at - start));
      start = at + 1;
    }
    rest.append(unread.substr(start));
    m_buffer.Skip(unread.size());
    m_in.setstate(kAtEnd);
    return rest;
  }

 private:
  std::istream& m_in;
  TextBuffer& m_buffer;
};

template <typename Text>
KeyValue Search(Text& text, std::string_view key, std::size_t capacity) {
  const std::size_t limit = PieceLimit(capacity);
  KeyValue result;
  Piece piece;
  Piece last;
  if (text.Seek(key, limit, last)) {
    result.found = true;
    if (key == kNoteKey) {
      // The whole rest of the file; the line end and empty line that close the entry go.
      result.value = text.Rest();
      if (result.value.ends_with("\n\n")) result.value.resize(result.value.size() - 2);
    } else if (text.Next(limit, piece)) {
      // A longer value line stays partly unread; the next search passes over its rest.
      result.value = piece.text;
    }
    return result;
  }
  result.value = last.Whole();
  return result;
}

}  // namespace

bool ReadTextChar(std::istream& in, char& c) {
  // Straight from the stream's buffer: get() and peek() build a sentry for every character,
  // which made reading a year of days several times slower than the file system.
  using Traits = std::istream::traits_type;
  if (!in.good()) return false;
  std::streambuf& buffer = *in.rdbuf();
  const auto next = buffer.sbumpc();
  if (Traits::eq_int_type(next, Traits::eof())) {
    in.setstate(std::ios::eofbit | std::ios::failbit);
    return false;
  }
  c = Traits::to_char_type(next);
  if (c == '\r' && Traits::eq_int_type(buffer.sgetc(), Traits::to_int_type('\n'))) {
    buffer.sbumpc();
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

TextBuffer::TextBuffer(std::string bytes) : m_bytes(std::move(bytes)) {
  char* begin = m_bytes.data();
  setg(begin, begin, begin + m_bytes.size());
}

std::string_view TextBuffer::Unread() const {
  return {gptr(), static_cast<std::size_t>(egptr() - gptr())};
}

void TextBuffer::Skip(std::size_t count) { setg(eback(), gptr() + count, egptr()); }

KeyValue ReadKeyValue(std::istream& in, std::string_view key, std::size_t capacity) {
  // TextBuffer is final: comparing the type is enough, and cheaper than a dynamic_cast.
  if (std::streambuf* buffer = in.rdbuf();
      buffer != nullptr && typeid(*buffer) == typeid(TextBuffer)) {
    MemoryText text(in, *static_cast<TextBuffer*>(buffer));
    return Search(text, key, capacity);
  }
  StreamText text(in);
  return Search(text, key, capacity);
}

}  // namespace vesmira
