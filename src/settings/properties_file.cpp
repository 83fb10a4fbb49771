#include "settings/properties_file.h"

#include <sstream>

#include "storage/atomic_file.h"
#include "storage/key_value.h"
#include "storage/number_text.h"

namespace vesmira {

namespace {

constexpr std::int32_t kNewUserGrundForbrukning = 2200;
constexpr std::int32_t kNewUserMal = 1800;

std::int32_t ReadNumber(KeyValueReader& in, std::string_view key) {
  return ParseNumber(ReadKeyValue(in, key, kValueCapacity).value);
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

std::optional<FileError> WriteWhole(const std::filesystem::path& path,
                                    const std::ostringstream& bytes) {
  return AtomicWriteFile(path, bytes.view());
}

UserSettings ReadSettings(KeyValueReader& in) {
  UserSettings settings;
  settings.grundForbrukning = ReadNumber(in, kGrundForbrukningKey);
  settings.mal = ReadNumber(in, kMalKey);
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    settings.activityKal[i] = ReadNumber(in, kActivities[i].rateKey);
  }
  settings.poundFlag = ReadNumber(in, kPoundFlagKey);
  return settings;
}

}  // namespace

UserSettings ReadProperties(std::istream& in) { return ReadKeyValueStream(in, ReadSettings); }

std::optional<UserSettings> ReadProperties(const std::filesystem::path& path) {
  return ReadKeyValueFile(path, ReadSettings);
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
  return WriteWhole(path, bytes);
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
  return WriteWhole(path, bytes);
}

}  // namespace vesmira
