#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Texts a person sees that the core defines. The string scanner collects the marked ones into
// the catalogs (it takes the marks for QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP); the Qt layer
// shows them translated, the command line as they stand.
#define VESMIRA_TEXT(context, text) text
// A text with "%n", a count that picks the plural: "%n day(s)".
#define VESMIRA_TEXT_N(context, text) text

namespace vesmira {

// The language the core's texts are shown in. This one is English, the language they are
// written in; the Qt layer's follows the desktop session.
class TextLanguage {
 public:
  TextLanguage() = default;
  TextLanguage(const TextLanguage&) = delete;
  TextLanguage& operator=(const TextLanguage&) = delete;
  virtual ~TextLanguage() = default;

  // A marked text, in this language.
  virtual std::string Text(const char* context, const char* text) const;
  // A text marked with VESMIRA_TEXT_N, with the count in place of "%n". English writes "(s)" as
  // nothing for one and "s" for any other count, "(one|other)" as one of the two.
  virtual std::string Counted(const char* context, const char* text, std::int64_t count) const;
  // A number the core writes with a decimal point ("93.5", "-0.25"), written as this
  // language writes numbers.
  virtual std::string Number(std::string_view pointText) const;
};

const TextLanguage& English();

// pattern with each "%1" to "%9" replaced by its argument, in one pass: what an argument
// holds is never read as a placeholder.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args);

// The language of the desktop session among those with a catalog ("sv", "de"), as gettext
// picks it: the messages' locale from LC_ALL, LC_MESSAGES or LANG, the first set of them; when
// that is not C or POSIX, LANGUAGE's list before it. Empty for English, the source language.
std::string SessionLanguage(const std::function<const char*(const char*)>& environment,
                            std::initializer_list<std::string_view> catalogs);

}  // namespace vesmira
