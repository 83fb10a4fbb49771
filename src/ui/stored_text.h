#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

namespace vesmira {

// Stored files are bytes. Bytes that are valid UTF-8 are read as UTF-8; anything else comes
// from an older install and is read as Windows-1252, so no character is lost or replaced.
QString FromStoredBytes(std::string_view bytes);

// The same bytes in Qt's own byte array, unchanged, for a widget to carry (a user's name).
inline QByteArray ToByteArray(std::string_view bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Everything is written back as UTF-8.
std::string ToStoredBytes(const QString& text);

// Each value of a file is one line: a box whose text is stored as one takes no line break,
// not even a pasted one, which would add lines of its own.
// Whatever reaches it, by typing, pasting or loading, is kept with its line breaks taken out.
void KeepOnOneLine(QLineEdit* edit);
QString WithoutLineBreaks(QString text);

}  // namespace vesmira
