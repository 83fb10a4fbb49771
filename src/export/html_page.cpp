#include "export/html_page.h"

#include <cctype>
#include <ostream>
#include <system_error>

#include "build_config.h"
#include "storage/key_value.h"
#include "storage/text_encoding.h"

namespace vesmira {

std::string EscapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

namespace {

// The note holds its line ends as "\n" (a "\r\n" read from an older file counts as one). A
// browser folds a line end into a space, so each is written as a "<br>" before the CR LF.
void WriteNoteText(std::ostream& out, std::string_view note) {
  const std::string escaped = EscapeHtml(StoredBytesToUtf8(note));
  // Made whole first and written at once: a stream's insertion costs the same for one
  // character as for a page.
  std::string text;
  text.reserve(escaped.size() + 16);
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    const char c = escaped[i];
    if (c == '\r' && i + 1 < escaped.size() && escaped[i + 1] == '\n') continue;
    if (c == '\n') {
      text += "<br>";
      text += kLineEnd;
    } else {
      text += c;
    }
  }
  out << text;
}

}  // namespace

void WriteHtmlHead(std::ostream& out, std::string_view user) {
  out << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">" << kLineEnd << "<html>"
      << kLineEnd << "<head>"
      << kLineEnd
      // The page is UTF-8 whatever the days were stored in, and says so, or a browser
      // guesses and shows every letter beyond ASCII wrongly.
      << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">" << kLineEnd
      << "<title>Vesmira user data for " << EscapeHtml(StoredBytesToUtf8(user)) << "</title>"
      << kLineEnd << "</head>" << kLineEnd << "<body>" << kLineEnd << "<table>" << kLineEnd;
}

void WriteHtmlRow(std::ostream& out, const CalendarDate& date, std::string_view note) {
  out << "<tr>" << kLineEnd << "<td align=\"left\"><h3>" << DateText(date)
      << "</h3></td><td align=\"left\">";
  WriteNoteText(out, note);
  out << "</td>" << kLineEnd << "</tr>" << kLineEnd << "<tr>" << kLineEnd << "<td>&nbsp;</td>"
      << kLineEnd << "</tr>" << kLineEnd;
}

std::string PageLinkUrl(const std::filesystem::path& dataFolder) {
  constexpr std::string_view kFileScheme = "file://";
  const std::string_view built = build::kPageLinkUrl;
  std::error_code error;
  if (!built.starts_with(kFileScheme) ||
      std::filesystem::exists(std::filesystem::path(built.substr(kFileScheme.size())), error)) {
    return std::string(built);
  }
  // Not installed (run from a build): the copy the program keeps in the data folder.
  const std::string path = std::filesystem::absolute(dataFolder / "help.html", error).string();
  std::string url(kFileScheme);
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) != 0 || std::string_view("/-._~").find(c) != std::string_view::npos) {
      url += c;
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0x0F];
    }
  }
  return url;
}

void WriteHtmlClosing(std::ostream& out, std::string_view linkUrl) {
  out << "<tr>" << kLineEnd << "<td>" << kLineEnd << "&nbsp;" << kLineEnd << "</td>" << kLineEnd
      << "</tr>" << kLineEnd << "<tr>" << kLineEnd << "<td>" << kLineEnd << "<a href=\""
      << EscapeHtml(linkUrl) << "\">" << EscapeHtml(build::kPageLinkText) << "</a>" << kLineEnd
      << "</td>" << kLineEnd << "</tr>" << kLineEnd << "</table>" << kLineEnd << "</body>"
      << kLineEnd << "</html>" << kLineEnd << kLineEnd << "<!-- Exported from Vesmira -->"
      << kLineEnd;
}

}  // namespace vesmira
