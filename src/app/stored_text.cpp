#include "app/stored_text.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <array>

namespace vesmira {

namespace {

// Windows-1252's printable characters in 0x80..0x9F; the five unassigned bytes keep their
// Latin-1 code points.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The length of the well-formed UTF-8 sequence that starts bytes[0], or 0 when none does.
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

}  // namespace

QString FromStoredBytes(std::string_view bytes) {
  // Sequence by sequence rather than all or nothing: a value cut inside a letter, or a file
  // holding text of both kinds, keeps every other letter as it was written.
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  std::size_t runStart = 0;  // the first byte of the UTF-8 not yet appended
  std::size_t at = 0;
  const auto appendRun = [&] {
    text.append(QString::fromUtf8(bytes.data() + runStart, static_cast<qsizetype>(at - runStart)));
  };
  while (at < bytes.size()) {
    if (const std::size_t length = Utf8SequenceLength(bytes.substr(at))) {
      at += length;
      continue;
    }
    appendRun();
    const auto byte = static_cast<unsigned char>(bytes[at]);
    if (byte >= 0x80 && byte <= 0x9F) {
      text.append(QChar(kWindows1252High[byte - 0x80]));
    } else {
      text.append(QChar(static_cast<char16_t>(byte)));
    }
    runStart = ++at;
  }
  appendRun();
  return text;
}

std::string ToStoredBytes(const QString& text) { return text.toStdString(); }

void KeepOnOneLine(QLineEdit* edit) {
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\r\\n]*")), edit));
}

}  // namespace vesmira
