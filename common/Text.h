// Text and number helpers shared by every parser and writer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talver {

// Replaces every occurrence of `search`, left to right; an inserted replacement is never
// searched again. An empty search text changes nothing.
std::string StrReplaceAll(std::string_view source, std::string_view search,
                          std::string_view replacement);

// Number from a text that may use "," or "." as its decimal separator; -1 on failure.
double StrToFloatTolerant(std::string_view text);

// General format with 14 significant digits, with `separator` as the decimal separator.
std::string FloatToStrSep(char separator, double number);

// True for a plain decimal number such as "4.35", "-1", "05.1" or "1E5"; nothing else
// ("N/A", "4,35", blanks) may reach the database as a value.
bool IsPlainNumber(std::string_view text);

// Whole number in decimal, optionally signed and padded with blanks; false otherwise.
bool ParseWholeNumber(std::string_view text, int& value);

std::string_view Trim(std::string_view text);

// 1-based, inclusive character positions, as the fixed-column formats count them; positions
// past the end of the line give what is there (possibly nothing). The result is trimmed.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last);

// Lines of a text whose line ends may be CR LF, LF or CR, mixed; a final line end does not
// make an extra empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace talver
