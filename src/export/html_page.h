#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "storage/calendar_date.h"

// The page of diary notes: a head, two table rows per stored day, newest first, and a
// closing link to the product's home page, or to the installed help page when the build names
// no web site. Every line ends with CR LF.
namespace vesmira {

// &, <, > and " as character references, so a typed text shows as typed and adds no mark-up.
std::string EscapeHtml(std::string_view text);

void WriteHtmlHead(std::ostream& out, std::string_view user);
// A line end inside the note shows as one: "<br>" and CR LF.
void WriteHtmlRow(std::ostream& out, const CalendarDate& date, std::string_view note);
// The page's closing link: the help page installed with the program, its web site when the
// build names one, or the data folder's own copy of the help page when the program runs
// from a build and nothing is installed.
std::string PageLinkUrl(const std::filesystem::path& dataFolder);
void WriteHtmlClosing(std::ostream& out, std::string_view linkUrl);

}  // namespace vesmira
