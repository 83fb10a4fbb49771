#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "storage/shown_text.h"

// A note of any stored size on the form without freezing it: a text field lays out a long
// line in time that grows much faster than the line, and a note written by another program
// may be megabytes on one line. Such a note is shown broken into lines and cut short, for
// reading, and kept exactly as stored.
namespace vesmira {

inline constexpr std::size_t kMaxEditableNoteBytes = 64 * 1024;
inline constexpr std::size_t kMaxEditableNoteLine = 4096;
inline constexpr std::size_t kMaxShownNoteBytes = 256 * 1024;
inline constexpr std::size_t kShownNoteLine = 1000;
inline constexpr std::size_t kMaxShownNoteLines = 2000;

struct NoteDisplay {
  std::string shown;
  // False when the note is shown otherwise than stored: it takes no typing then, and the
  // stored bytes are what a save writes.
  bool editable = true;
};
NoteDisplay NoteForDisplay(std::string_view note, const TextLanguage& language = English());

}  // namespace vesmira
