#include "ui/picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QResource>
#include <cstdint>
#include <cstring>

namespace vesmira {

namespace {

QImage ReadImage(const QString& path) {
  if (!QFileInfo::exists(path)) return {};
  QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

std::uint32_t Little(const uchar* bytes, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

// The pixels of a top-down 5-6-5 bitmap file, or a null image for any other.
QImage WrapBitmap565(const uchar* file, qint64 size) {
  constexpr qint64 kHeaders = 14 + 40 + 12;  // file header, information header, colour masks
  if (size < kHeaders || file[0] != 'B' || file[1] != 'M') return {};
  const std::uint32_t pixelsAt = Little(file + 10, 4);
  const auto width = static_cast<std::int32_t>(Little(file + 18, 4));
  const auto height = static_cast<std::int32_t>(Little(file + 22, 4));
  const bool fiveSixFive = Little(file + 14, 4) == 40 && Little(file + 28, 2) == 16 &&
                           Little(file + 30, 4) == 3 && Little(file + 54, 4) == 0xF800 &&
                           Little(file + 58, 4) == 0x07E0 && Little(file + 62, 4) == 0x001F;
  // A negative height is a picture stored from its top row down, as QImage keeps one.
  if (!fiveSixFive || width <= 0 || width > 16384 || height >= 0 || height < -16384) return {};
  const qsizetype bytesPerLine = (qsizetype{width} * 2 + 3) / 4 * 4;
  const uchar* pixels = file + pixelsAt;
  if (pixelsAt < kHeaders || pixelsAt + bytesPerLine * -qint64{height} > size) return {};
  const QImage mapped(pixels, width, -height, bytesPerLine, QImage::Format_RGB16);
  // QImage reads its rows as whole words: bytes that lie unaligned are copied.
  return reinterpret_cast<std::uintptr_t>(pixels) % 4 == 0 ? mapped : mapped.copy();
}

}  // namespace

QPixmap ReadPicture(const QString& path) { return QPixmap::fromImage(ReadImage(path)); }

QImage MappedPicture(const QString& path) {
  const QResource resource(path);
  if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
    QImage mapped = WrapBitmap565(resource.data(), resource.size());
    if (!mapped.isNull()) return mapped;
  }
  return ReadImage(path);
}

}  // namespace vesmira
