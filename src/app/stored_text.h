#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vesmira {

// Stored files are bytes. Bytes that are valid UTF-8 are read as UTF-8; anything else comes
// from an older install and is read as Windows-1252, so no character is lost or replaced.
QString FromStoredBytes(std::string_view bytes);

// Everything is written back as UTF-8.
std::string ToStoredBytes(const QString& text);

}  // namespace vesmira
