#include "storage/shown_text.h"

#include <vector>

#include "storage/number_text.h"
#include "storage/text_encoding.h"

namespace vesmira {

std::string TextLanguage::Text(const char* /*context*/, const char* text) const { return text; }

std::string TextLanguage::Counted(const char* /*context*/, const char* text,
                                  std::int64_t count) const {
  std::string counted;
  const std::string_view pattern(text);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern.compare(i, 2, "%n") == 0) {
      counted += FormatNumber(count);
      ++i;
    } else if (pattern.compare(i, 3, "(s)") == 0) {
      if (count != 1) counted += 's';
      i += 2;
    } else if (const std::size_t bar = pattern.find('|', i), end = pattern.find(')', i);
               pattern[i] == '(' && bar < end && end != std::string_view::npos &&
               pattern.find('(', i + 1) > end) {
      // "(one|other)"
      counted +=
          count == 1 ? pattern.substr(i + 1, bar - i - 1) : pattern.substr(bar + 1, end - bar - 1);
      i = end;
    } else {
      counted += pattern[i];
    }
  }
  return counted;
}

std::string TextLanguage::Number(std::string_view pointText) const {
  return std::string(pointText);
}

const TextLanguage& English() {
  static const TextLanguage english;
  return english;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args) {
  const std::vector<std::string_view> values(args);
  std::string filled;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < values.size()) {
        filled += values[index];
        ++i;
        continue;
      }
    }
    filled += pattern[i];
  }
  return filled;
}

namespace {

// "sv_SE.UTF-8@euro" -> "sv", "de_AT" -> "de", "C.UTF-8" -> "c".
std::string LanguageOf(std::string_view locale) {
  return AsciiLower(locale.substr(0, locale.find_first_of("_.@")));
}

}  // namespace

std::string SessionLanguage(const std::function<const char*(const char*)>& environment,
                            std::initializer_list<std::string_view> catalogs) {
  std::string_view messages;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = environment(name);
    if (value != nullptr && *value != '\0') {
      messages = value;
      break;
    }
  }
  const std::string messagesLanguage = LanguageOf(messages);
  if (messages.empty() || messagesLanguage == "c" || messagesLanguage == "posix") return {};
  std::vector<std::string> wanted;
  if (const char* list = environment("LANGUAGE"); list != nullptr) {
    std::string_view rest(list);
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      if (const std::string language = LanguageOf(rest.substr(0, colon)); !language.empty()) {
        wanted.push_back(language);
      }
      rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
  }
  wanted.push_back(messagesLanguage);
  for (const std::string& language : wanted) {
    if (language == "en") return {};
    for (const std::string_view catalog : catalogs) {
      if (language == catalog) return language;
    }
  }
  return {};
}

}  // namespace vesmira
