#include "import/csv_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "storage/text_encoding.h"

namespace vesmira {

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

// Splits the records of text from pos on, with separator; a quoted field may span lines.
class RecordReader {
 public:
  RecordReader(std::string_view text, char separator) : m_text(text), m_separator(separator) {}
  bool AtEnd() const { return m_pos >= m_text.size(); }
  int Line() const { return m_line; }
  std::vector<std::string> Next() {
    std::vector<std::string> fields(1);
    bool quoted = false;
    while (m_pos < m_text.size()) {
      const char c = m_text[m_pos++];
      if (quoted) {
        if (c == '"' && m_pos < m_text.size() && m_text[m_pos] == '"') {
          fields.back() += '"';
          ++m_pos;
        } else if (c == '"') {
          quoted = false;
        } else {
          if (c == '\n') ++m_line;
          fields.back() += c;
        }
      } else if (c == '"') {
        quoted = true;
      } else if (c == m_separator) {
        fields.emplace_back();
      } else if (c == '\n') {
        ++m_line;
        break;
      } else if (c != '\r') {
        fields.back() += c;
      }
    }
    return fields;
  }

 private:
  std::string_view m_text;
  char m_separator;
  std::size_t m_pos = 0;
  int m_line = 1;
};

char GuessSeparator(std::string_view headerLine) {
  char best = ',';
  std::ptrdiff_t most = std::count(headerLine.begin(), headerLine.end(), ',');
  for (const char candidate : {';', '\t'}) {
    const std::ptrdiff_t count = std::count(headerLine.begin(), headerLine.end(), candidate);
    if (count > most) {
      best = candidate;
      most = count;
    }
  }
  return best;
}

}  // namespace

std::optional<std::size_t> CsvTable::Column(std::string_view name) const {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (EqualIgnoringCase(Trim(header[i]), name)) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> CsvTable::ColumnStartingWith(std::string_view prefix) const {
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string_view name = Trim(header[i]);
    if (name.size() >= prefix.size() && EqualIgnoringCase(name.substr(0, prefix.size()), prefix)) {
      return i;
    }
  }
  return std::nullopt;
}

CsvTable ReadCsv(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  // Comment lines and blank lines before the header are no part of the table.
  int skippedLines = 0;
  while (!text.empty() && (text.front() == '#' || text.front() == '\n' || text.front() == '\r')) {
    const std::size_t end = text.find('\n');
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++skippedLines;
  }
  CsvTable table;
  table.separator = GuessSeparator(text.substr(0, text.find('\n')));
  RecordReader reader(text, table.separator);
  if (reader.AtEnd()) return table;
  table.header = reader.Next();
  while (!reader.AtEnd()) {
    CsvRecord record;
    record.line = reader.Line() + skippedLines;
    record.fields = reader.Next();
    const bool blank = std::all_of(record.fields.begin(), record.fields.end(),
                                   [](const std::string& field) { return Trim(field).empty(); });
    if (!blank) table.records.push_back(std::move(record));
  }
  return table;
}

std::string_view FieldAt(const CsvRecord& record, std::optional<std::size_t> column) {
  if (!column || *column >= record.fields.size()) return {};
  return Trim(record.fields[*column]);
}

std::optional<double> ParseImportedNumber(std::string_view text) {
  std::string digits;
  for (const char c : Trim(text)) {
    if (c == ' ' || c == '\'') continue;  // thousands, as some locales write them
    digits += c == ',' ? '.' : c;
  }
  if (digits.empty() || std::count(digits.begin(), digits.end(), '.') > 1) return std::nullopt;
  double value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

namespace {

// Three numbers separated by one of "-", "/" and ".", the last or first of four digits.
bool SplitDate(std::string_view text, int parts[3], bool& yearFirst) {
  text = Trim(text);
  const std::size_t end = text.find_first_of(" T");
  text = text.substr(0, end);
  int part = 0;
  std::size_t digitsOf[3] = {0, 0, 0};
  parts[0] = parts[1] = parts[2] = 0;
  char separator = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      if (++digitsOf[part] > 4) return false;
      parts[part] = parts[part] * 10 + (c - '0');
    } else if ((c == '-' || c == '/' || c == '.') && part < 2 && digitsOf[part] > 0 &&
               (separator == 0 || c == separator)) {
      separator = c;
      ++part;
    } else {
      return false;
    }
  }
  if (part != 2 || digitsOf[2] == 0) return false;
  yearFirst = digitsOf[0] == 4;
  return yearFirst ? digitsOf[1] <= 2 && digitsOf[2] <= 2
                   : digitsOf[2] == 4 && digitsOf[0] <= 2 && digitsOf[1] <= 2;
}

std::optional<CalendarDate> Valid(CalendarDate date) {
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

}  // namespace

std::optional<CalendarDate> ParseIsoDate(std::string_view text) {
  int parts[3];
  bool yearFirst = false;
  if (!SplitDate(text, parts, yearFirst) || !yearFirst) return std::nullopt;
  if (Trim(text).substr(4, 1) != "-") return std::nullopt;
  return Valid({parts[0], parts[1], parts[2]});
}

std::optional<CalendarDate> ParseDate(std::string_view text, DateOrder order) {
  int parts[3];
  bool yearFirst = false;
  if (!SplitDate(text, parts, yearFirst)) return std::nullopt;
  if (yearFirst) return Valid({parts[0], parts[1], parts[2]});
  switch (order) {
    case DateOrder::kDayFirst:
      return Valid({parts[2], parts[1], parts[0]});
    case DateOrder::kMonthFirst:
      return Valid({parts[2], parts[0], parts[1]});
    case DateOrder::kUnknown:
      break;
  }
  // Read either way alike (the 5th of May as 05/05): no order is needed.
  if (parts[0] == parts[1]) return Valid({parts[2], parts[1], parts[0]});
  return std::nullopt;
}

DateOrder GuessDateOrder(const std::vector<std::string_view>& dates) {
  bool dayFirst = false;
  bool monthFirst = false;
  for (const std::string_view text : dates) {
    int parts[3];
    bool yearFirst = false;
    if (!SplitDate(text, parts, yearFirst) || yearFirst) continue;
    if (parts[0] > 12) dayFirst = true;
    if (parts[1] > 12) monthFirst = true;
  }
  if (dayFirst == monthFirst) return DateOrder::kUnknown;
  return dayFirst ? DateOrder::kDayFirst : DateOrder::kMonthFirst;
}

}  // namespace vesmira
