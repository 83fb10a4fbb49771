#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "build_config.h"
#include "export/html_page.h"
#include "storage/atomic_file.h"

namespace vesmira::testing {

inline std::string GoldenBytes(std::string_view name) {
  return ReadFileBytes(std::filesystem::path(VESMIRA_TEST_DATA) / "export" / name).value_or("");
}

// The golden page links to the help page installed below /usr; a build with another prefix
// or a web site, or a program not installed, gives the same page with its own link.
inline std::string WithBuiltHomePage(std::string page, const std::filesystem::path& dataFolder) {
  const auto replace = [&page](std::string_view from, std::string_view to) {
    const std::size_t at = page.find(from);
    if (at != std::string::npos) page.replace(at, from.size(), to);
  };
  replace("\"file:///usr/share/vesmira/help.html\"",
          "\"" + EscapeHtml(PageLinkUrl(dataFolder)) + "\"");
  replace(">Vesmira help<", ">" + EscapeHtml(build::kPageLinkText) + "<");
  return page;
}

}  // namespace vesmira::testing
