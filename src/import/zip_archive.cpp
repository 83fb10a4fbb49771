#include "import/zip_archive.h"

#include <zlib.h>

#include <cstdint>

#include "storage/shown_text.h"

namespace vesmira {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfDirectory = 0x06054b50;

std::uint32_t Read16(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
  return byte(0) | (byte(1) << 8u);
}
std::uint32_t Read32(std::string_view bytes, std::size_t at) {
  return Read16(bytes, at) | (Read16(bytes, at + 2) << 16u);
}

std::optional<std::string> Inflate(std::string_view packed, std::size_t size, std::string& out) {
  if (size > kMaxZipEntryBytes) return VESMIRA_TEXT("Import", "larger than 256 MiB");
  // Deflate packs at most about 1032 to 1: a larger size claimed is a damaged archive, and no
  // memory is taken for it.
  if (size / 1032 > packed.size() + 1) return "damaged";
  out.resize(size);
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
    return VESMIRA_TEXT("Import", "cannot be unpacked");
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  stream.avail_in = static_cast<uInt>(packed.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int status = inflate(&stream, Z_FINISH);
  const bool whole = status == Z_STREAM_END && stream.total_out == size;
  inflateEnd(&stream);
  if (!whole) return "damaged";
  return std::nullopt;
}

ZipEntry ReadEntry(std::string_view bytes, std::size_t at, std::size_t& next) {
  ZipEntry entry;
  const std::uint32_t method = Read16(bytes, at + 10);
  const std::size_t packedSize = Read32(bytes, at + 20);
  const std::size_t size = Read32(bytes, at + 24);
  const std::size_t nameLength = Read16(bytes, at + 28);
  const std::size_t extraLength = Read16(bytes, at + 30);
  const std::size_t commentLength = Read16(bytes, at + 32);
  const std::size_t local = Read32(bytes, at + 42);
  next = at + 46 + nameLength + extraLength + commentLength;
  if (next > bytes.size()) {
    entry.error = "damaged";
    return entry;
  }
  entry.name = std::string(bytes.substr(at + 46, nameLength));
  if (local + 30 > bytes.size() || Read32(bytes, local) != kLocalHeader) {
    entry.error = "damaged";
    return entry;
  }
  const std::size_t data = local + 30 + Read16(bytes, local + 26) + Read16(bytes, local + 28);
  if (data > bytes.size() || packedSize > bytes.size() - data) {
    entry.error = "damaged";
    return entry;
  }
  const std::string_view packed = bytes.substr(data, packedSize);
  if (method == 0) {
    if (packedSize != size) {
      entry.error = "damaged";
    } else if (size > kMaxZipEntryBytes) {
      entry.error = VESMIRA_TEXT("Import", "larger than 256 MiB");
    } else {
      entry.bytes = std::string(packed);
    }
  } else if (method == 8) {
    entry.error = Inflate(packed, size, entry.bytes);
  } else {
    entry.error = VESMIRA_TEXT("Import", "packed in a way this program does not unpack");
  }
  if (entry.error) entry.bytes.clear();
  return entry;
}

}  // namespace

bool IsZipArchive(std::string_view bytes) {
  return bytes.size() >= 22 && Read32(bytes, 0) == kLocalHeader;
}

ZipListing ReadZipArchive(std::string_view bytes) {
  ZipListing listing;
  // The end record is in the last 64 KiB and 22 bytes: found from the end back.
  std::size_t end = std::string_view::npos;
  const std::size_t earliest = bytes.size() > 65557 ? bytes.size() - 65557 : 0;
  if (bytes.size() >= 22) {
    for (std::size_t at = bytes.size() - 22 + 1; at-- > earliest;) {
      if (Read32(bytes, at) == kEndOfDirectory) {
        end = at;
        break;
      }
    }
  }
  if (end == std::string_view::npos) {
    listing.error = VESMIRA_TEXT("Import", "not a zip archive, or a damaged one");
    return listing;
  }
  const std::size_t count = Read16(bytes, end + 10);
  std::size_t at = Read32(bytes, end + 16);
  for (std::size_t i = 0; i < count; ++i) {
    if (at + 46 > bytes.size() || Read32(bytes, at) != kCentralHeader) {
      listing.error = VESMIRA_TEXT("Import", "a damaged zip archive");
      break;
    }
    std::size_t next = at;
    ZipEntry entry = ReadEntry(bytes, at, next);
    if (!entry.name.ends_with('/')) listing.entries.push_back(std::move(entry));
    if (next <= at) break;
    at = next;
  }
  return listing;
}

}  // namespace vesmira
