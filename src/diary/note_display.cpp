#include "diary/note_display.h"

#include <algorithm>

#include "storage/number_text.h"

namespace vesmira {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// At most limit bytes of text, not ending inside a UTF-8 letter.
std::size_t CutAt(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t cut = limit;
  while (cut > 0 && IsContinuationByte(text[cut])) --cut;
  return cut == 0 ? limit : cut;
}

}  // namespace

NoteDisplay NoteForDisplay(std::string_view note, const TextLanguage& language) {
  NoteDisplay display;
  std::size_t longest = 0;
  for (std::size_t start = 0; start <= note.size();) {
    const std::size_t end = std::min(note.find('\n', start), note.size());
    longest = std::max(longest, end - start);
    start = end + 1;
  }
  if (note.size() <= kMaxEditableNoteBytes && longest <= kMaxEditableNoteLine) {
    display.shown = note;
    return display;
  }
  display.editable = false;
  std::string_view head = note.substr(0, CutAt(note, kMaxShownNoteBytes));
  std::size_t sinceBreak = 0;
  std::size_t lines = 1;
  for (std::size_t at = 0; at < head.size();) {
    if (lines >= kMaxShownNoteLines) {
      head = head.substr(0, at);
      break;
    }
    if (head[at] == '\n') {
      display.shown += '\n';
      ++lines;
      sinceBreak = 0;
      ++at;
      continue;
    }
    const std::size_t end = std::min(head.find('\n', at), head.size());
    const std::size_t piece = CutAt(head.substr(at, end - at), kShownNoteLine - sinceBreak);
    display.shown.append(head.substr(at, piece));
    at += piece;
    sinceBreak += piece;
    if (at < end) {
      display.shown += '\n';
      ++lines;
      sinceBreak = 0;
    }
  }
  display.shown += "\n\n";
  display.shown +=
      head.size() < note.size()
          ? language.Counted("Note",
                             VESMIRA_TEXT_N("Note",
                                            "[This note is too long to edit here. It is shown "
                                            "broken into lines, without its last %n byte(s), and "
                                            "kept exactly as stored.]"),
                             static_cast<std::int64_t>(note.size() - head.size()))
          : language.Text("Note", VESMIRA_TEXT("Note",
                                               "[This note is too long to edit here. It is shown "
                                               "broken into lines, and kept exactly as stored.]"));
  return display;
}

}  // namespace vesmira
