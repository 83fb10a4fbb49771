#pragma once

#include <string>
#include <string_view>

namespace vesmira {

// Stored text is bytes: this program writes UTF-8, older installs wrote Windows-1252. Valid
// UTF-8 sequences are kept; every other byte is taken as Windows-1252 and written as its
// UTF-8 sequence, so text of both kinds, or a value cut inside a letter, keeps every letter.
std::string StoredBytesToUtf8(std::string_view bytes);

}  // namespace vesmira
