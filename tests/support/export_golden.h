#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "build_config.h"
#include "storage/atomic_file.h"

namespace vesmira::testing {

inline std::string GoldenBytes(std::string_view name) {
  return ReadFileBytes(std::filesystem::path(VESMIRA_TEST_DATA) / "export" / name).value_or("");
}

// The golden page links to the default home page; a build with another address gives the
// same page with that address.
inline std::string WithBuiltHomePage(std::string page) {
  const auto replace = [&page](std::string_view from, std::string_view to) {
    const std::size_t at = page.find(from);
    if (at != std::string::npos) page.replace(at, from.size(), to);
  };
  replace("\"https://vesmira.example.org/\"", "\"" + std::string(build::kHomePageUrl) + "\"");
  replace(">www.vesmira.example.org<", ">" + std::string(build::kHomePageText) + "<");
  return page;
}

}  // namespace vesmira::testing
