#pragma once

#include <string>
#include <string_view>

namespace vesmira {

// Stored text is bytes: this program writes UTF-8, older installs wrote Windows-1252. Valid
// UTF-8 sequences are kept; every other byte is taken as Windows-1252 and written as its
// UTF-8 sequence, so text of both kinds, or a value cut inside a letter, keeps every letter.
std::string StoredBytesToUtf8(std::string_view bytes);

// The length of text without the start of a letter cut off at its end: text was cut from a
// longer line at a fixed length, and next is the line's byte after the cut. When the last
// bytes begin a UTF-8 letter that next continues, they are no letter on their own.
std::size_t LengthWithoutCutLetter(std::string_view text, unsigned char next);

// text with its ASCII letters in lower case ("de_AT" -> "de_at"); other bytes as they are.
std::string AsciiLower(std::string_view text);

// Whether a and b are the same text but for the case of ASCII letters ("Snacks", "snacks").
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vesmira
