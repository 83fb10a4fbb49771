#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "diary/calendar_date.h"
#include "diary/day_file.h"
#include "periods/range_walk.h"

// The stored diaries the benchmarks run over, made once per run in the temporary folder and
// removed at exit.
namespace vesmira::bench {

inline constexpr std::string_view kUser = "Anna";
inline constexpr CalendarDate kToday{2027, 3, 1};

// A day as a person keeps it: most meals and a little training filled in, a short note.
DayEntries TypicalDay(int t);

// A data folder whose user kUser has every one of the 365 days ending on kToday stored.
const std::filesystem::path& YearFolder();
RangeWalkInput YearWalkInput();
// The 365 day files of YearFolder(), in walk order.
const std::vector<std::filesystem::path>& YearDayFiles();

// A data folder with users users, each with a properties file and a folder.
const std::filesystem::path& UsersFolderWith(int users);

// A fresh folder for files the benchmarks write, on the same file system as the diaries.
std::filesystem::path ScratchFolder(std::string_view name);

// What the bare baselines do: open, read and close each file with the system calls alone.
std::size_t ReadFilesBare(const std::vector<std::filesystem::path>& files);
// Writes bytes to path's temporary name, syncs, closes and renames it over path.
void WriteFileBare(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vesmira::bench
