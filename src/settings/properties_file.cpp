#include "settings/properties_file.h"

#include <sstream>

#include "storage/atomic_file.h"
#include "storage/key_value.h"
#include "storage/number_text.h"

namespace vesmira {

namespace {

constexpr std::int32_t kNewUserGrundForbrukning = 2200;
constexpr std::int32_t kNewUserMal = 1800;

std::int32_t ReadNumber(KeyValueReader& in, std::string_view key, bool& anyKey) {
  const KeyValue read = ReadKeyValue(in, key, kValueCapacity);
  anyKey = anyKey || read.found;
  return ParseNumber(read.value);
}

UserSettings ReadSettings(KeyValueReader& in, bool& anyKey) {
  UserSettings settings;
  settings.grundForbrukning = ReadNumber(in, kGrundForbrukningKey, anyKey);
  settings.mal = ReadNumber(in, kMalKey, anyKey);
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    settings.activityKal[i] = ReadNumber(in, kActivities[i].rateKey, anyKey);
  }
  settings.poundFlag = ReadNumber(in, kPoundFlagKey, anyKey);
  return settings;
}

template <typename Value>
void WriteEntries(std::ostream& out, const Value& grundForbrukning, const Value& mal,
                  const std::array<Value, kActivityCount>& rates) {
  WriteSectionLine(out, kSettingsSection);
  WriteKeyValue(out, kGrundForbrukningKey, grundForbrukning);
  WriteKeyValue(out, kMalKey, mal);
  WriteSectionLine(out, kRatesSection);
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    WriteKeyValue(out, kActivities[i].rateKey, rates[i]);
  }
}

}  // namespace

UserSettings ReadProperties(std::istream& in) {
  return ReadKeyValueStream(in, [](KeyValueReader& reader) {
    bool anyKey = false;
    return ReadSettings(reader, anyKey);
  });
}

StoredProperties ReadStoredProperties(const std::filesystem::path& path) {
  KeyedFile<UserSettings> file = ReadKeyedFile<UserSettings>(
      path, [](KeyValueReader& in, bool& anyKey) { return ReadSettings(in, anyKey); });
  return {std::move(file.value), std::move(file.error)};
}

std::optional<UserSettings> ReadProperties(const std::filesystem::path& path) {
  return ReadStoredProperties(path).settings;
}

void WriteDefaultProperties(std::ostream& out) {
  std::array<std::string, kActivityCount> rates;
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    rates[i] = FormatNumber(kActivities[i].newUserRate);
  }
  WriteEntries(out, FormatNumber(kNewUserGrundForbrukning), FormatNumber(kNewUserMal), rates);
}

std::optional<FileError> WriteDefaultProperties(const std::filesystem::path& path) {
  std::ostringstream bytes;
  WriteDefaultProperties(bytes);
  return AtomicCreateFile(path, bytes.view());
}

UserSettings PropertiesTexts::Settings() const {
  UserSettings settings;
  settings.grundForbrukning = ParseNumber(grundForbrukning);
  settings.mal = ParseNumber(mal);
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    settings.activityKal[i] = ParseNumber(activityKal[i]);
  }
  settings.poundFlag = kilograms ? 1 : 0;
  return settings;
}

void WriteProperties(std::ostream& out, const PropertiesTexts& texts) {
  WriteEntries(out, texts.grundForbrukning, texts.mal, texts.activityKal);
  WriteKeyValue(out, kPoundFlagKey, texts.kilograms ? "1" : "0");
}

std::optional<FileError> WriteProperties(const std::filesystem::path& path,
                                         const PropertiesTexts& texts) {
  std::ostringstream bytes;
  WriteProperties(bytes, texts);
  // Settings that cannot be read may be settings all the same: they are never written over.
  if (std::optional<FileError> error = ReadStoredProperties(path).error) return error;
  return AtomicWriteFile(path, bytes.view());
}

}  // namespace vesmira
