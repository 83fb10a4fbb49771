#include "storage/text_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace vesmira {

namespace {

// Windows-1252's printable characters in 0x80..0x9F; the five unassigned bytes keep their
// Latin-1 code points.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The length of the well-formed UTF-8 sequence that starts bytes, or 0 when none does.
std::size_t Utf8SequenceLength(std::string_view bytes) {
  const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char c = at(i);
    if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

void AppendUtf8(std::string& text, char16_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsContinuation(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

}  // namespace

std::size_t LengthWithoutCutLetter(std::string_view text, unsigned char next) {
  if (!IsContinuation(next)) return text.size();
  // A letter is at most four bytes, so its start is among the last three.
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const std::size_t start = text.size() - back;
    const auto lead = static_cast<unsigned char>(text[start]);
    if (IsContinuation(lead)) continue;
    std::string whole(text.substr(start));
    whole += static_cast<char>(next);
    // The letter as it would be with the next byte, and as many more continuation bytes as
    // it asks for, must be well-formed.
    while (whole.size() < 4) whole += static_cast<char>(0x80);
    const std::size_t length = Utf8SequenceLength(whole);
    return length > back ? start : text.size();
  }
  return text.size();
}

std::string StoredBytesToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  std::size_t at = 0;
  while (at < bytes.size()) {
    if (const std::size_t length = Utf8SequenceLength(bytes.substr(at))) {
      text.append(bytes.substr(at, length));
      at += length;
      continue;
    }
    const auto byte = static_cast<unsigned char>(bytes[at++]);
    AppendUtf8(text, byte <= 0x9F ? kWindows1252High[byte - 0x80] : char16_t{byte});
  }
  return text;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace vesmira
