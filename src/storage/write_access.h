#pragma once

#include <filesystem>
#include <string>

#include "storage/shown_text.h"

// Whether the diary's folder can take a save at all, asked once at start: a diary on a
// read-only medium, in a folder the person may only read, or on a full disk is opened to be
// read, not refused.
namespace vesmira {

enum class WriteProblem {
  kNone,
  kReadOnlyMedium,  // mounted read-only: a backup disk, a CD, a locked card
  kNoPermission,    // the person may read the folder but not write in it
  kDiskFull,        // no block left for the person
};

// From what the system says of the folder: whether its file system is mounted read-only,
// the errno of asking for write access (0 when granted) and the blocks free to the person.
WriteProblem ClassifyWriteProblem(bool readOnlyMount, int accessError,
                                  unsigned long long freeBlocks);
// Asks the system about folder. A folder that is not there has no problem of its own.
WriteProblem FindWriteProblem(const std::filesystem::path& folder);

// The line the form shows over a diary opened to be read: why, and what to do.
std::string ReadOnlyDiaryText(WriteProblem problem, const std::filesystem::path& folder,
                              const TextLanguage& language = English());

}  // namespace vesmira
