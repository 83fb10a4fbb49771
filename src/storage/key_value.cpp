#include "storage/key_value.h"

#include <string.h>

#include <algorithm>
#include <ostream>

namespace vesmira {

namespace {

using Piece = KeyValueReader::Piece;

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

std::size_t PieceLimit(std::size_t capacity) { return capacity > 1 ? capacity - 1 : 1; }

std::string Whole(const Piece& piece) {
  std::string whole(piece.text);
  if (piece.lineEnd) whole.push_back('\n');
  return whole;
}

// Compared like a line: the key against the piece's first characters, its line end included.
bool StartsWith(const Piece& piece, std::string_view key) {
  if (piece.text.starts_with(key)) return true;
  return piece.lineEnd && key.size() == piece.text.size() + 1 && key.starts_with(piece.text) &&
         key.back() == '\n';
}

}  // namespace

bool KeyValueReader::Next(std::size_t limit, Piece& piece) {
  piece = Piece{};
  if (m_atEnd) return false;
  const std::size_t lineEnd = FindLineEnd(m_rest.substr(0, limit + 1));
  if (lineEnd != m_rest.npos) {
    // A CR LF pair is one character of the piece.
    const bool crLf = lineEnd > 0 && m_rest[lineEnd - 1] == '\r';
    const std::size_t length = crLf ? lineEnd : lineEnd + 1;
    if (length <= limit) {
      piece = {m_rest.substr(0, length - 1), true};
      m_rest.remove_prefix(lineEnd + 1);
      return true;
    }
  }
  const std::size_t length = std::min(limit, m_rest.size());
  piece.text = m_rest.substr(0, length);
  m_rest.remove_prefix(length);
  // A piece cut short by the end of the bytes, not by the limit, meets the end.
  if (length < limit) m_atEnd = true;
  return length > 0;
}

// The key is looked for in the bytes, and only where it is found are the pieces worked out:
// every line end ends a piece, and a longer line is cut every limit characters from where its
// reading began.
bool KeyValueReader::Seek(std::string_view key, std::size_t limit, Piece& last) {
  Piece piece;
  // A key with a line end may match where the bytes hold CR LF: piece by piece.
  if (key.find('\n') != key.npos) {
    while (Next(limit, piece)) {
      if (StartsWith(piece, key)) return true;
      last = piece;
    }
    return false;
  }
  // Readers ask for keys in file order, so the key is most often a line or two ahead: those
  // are tried first, piece by piece, before the bytes are searched.
  for (int i = 0; i < 3; ++i) {
    if (!Next(limit, piece)) return false;
    if (StartsWith(piece, key)) return true;
    last = piece;
  }
  while (!m_atEnd) {
    const std::size_t at = Find(m_rest, key);
    if (at == m_rest.npos) break;
    const std::size_t lineStart = at == 0 ? 0 : m_rest.rfind('\n', at - 1) + 1;
    // The piece the match lies in, read whole: it either starts with the key or is passed.
    m_rest.remove_prefix(lineStart + (at - lineStart) / limit * limit);
    if (!Next(limit, piece)) break;
    if ((at - lineStart) % limit == 0 && StartsWith(piece, key)) return true;
    last = piece;
  }
  if (m_atEnd) return false;
  // Not found: the last piece is one of the last line's.
  std::size_t lastLine = 0;
  if (m_rest.size() >= 2) {
    const std::size_t before = m_rest.rfind('\n', m_rest.size() - 2);
    if (before != m_rest.npos) lastLine = before + 1;
  }
  m_rest.remove_prefix(lastLine);
  while (Next(limit, piece)) last = piece;
  return false;
}

std::string KeyValueReader::Rest() {
  std::string rest;
  if (m_atEnd) return rest;
  rest.reserve(m_rest.size());
  std::size_t start = 0;
  for (std::size_t at = m_rest.find("\r\n"); at != m_rest.npos; at = m_rest.find("\r\n", start)) {
    rest.append(m_rest.substr(start, at - start));
    start = at + 1;
  }
  rest.append(m_rest.substr(start));
  m_rest = {};
  m_atEnd = true;
  return rest;
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

KeyValue ReadKeyValue(KeyValueReader& in, std::string_view key, std::size_t capacity) {
  const std::size_t limit = PieceLimit(capacity);
  KeyValue result;
  Piece last;
  if (in.Seek(key, limit, last)) {
    result.found = true;
    if (key == kNoteKey) {
      // The whole rest of the file; the line end and empty line that close the entry go.
      result.value = in.Rest();
      if (result.value.ends_with("\n\n")) result.value.resize(result.value.size() - 2);
    } else if (Piece piece; in.Next(limit, piece)) {
      // A longer value line stays partly unread; the next search passes over its rest.
      result.value = piece.text;
    }
    return result;
  }
  result.value = Whole(last);
  return result;
}

}  // namespace vesmira
