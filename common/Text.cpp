#include "common/Text.h"

#include <cctype>
#include <charconv>

namespace talver {

std::string StrReplaceAll(std::string_view source, std::string_view search,
                          std::string_view replacement) {
  if (search.empty()) {
    return std::string(source);
  }
  std::string result;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = source.find(search, from);
    if (at == std::string_view::npos) {
      break;
    }
    result.append(source.substr(from, at - from));
    result.append(replacement);
    from = at + search.size();
  }
  result.append(source.substr(from));
  return result;
}

namespace {

bool IsNumberCharacter(char c) {
  return c == '+' || c == '-' || c == 'E' || (c >= '0' && c <= '9');
}

// Locale-independent conversion of the whole text; from_chars refuses a leading '+'.
bool ConvertWholeText(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
      return false;
    }
  }
  if (text.empty()) {
    return false;
  }
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

}  // namespace

double StrToFloatTolerant(std::string_view text) {
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) {
    return -1;
  }
  int others = 0;
  char separator = 0;
  for (const char c : trimmed) {
    if (!IsNumberCharacter(c)) {
      ++others;
      separator = c;
    }
  }
  if (others >= 2) {
    return -1;
  }
  std::string normalised(trimmed);
  if (others == 1) {
    normalised = StrReplaceAll(normalised, std::string(1, separator), ".");
  }
  double value = 0;
  return ConvertWholeText(normalised, value) ? value : -1;
}

std::string FloatToStrSep(char separator, double number) {
  // to_chars, unlike printf, ignores the process locale that the window toolkit sets.
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 14);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == 'e') {
      c = 'E';
    }
  }
  if (text.find(separator) == std::string::npos) {
    text = StrReplaceAll(text, ".", std::string(1, separator));
  }
  return text;
}

bool IsPlainNumber(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  std::size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
    ++i;
    ++digits;
  }
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) {
    return false;
  }
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      ++i;
    }
    std::size_t exponentDigits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      ++exponentDigits;
    }
    if (exponentDigits == 0) {
      return false;
    }
  }
  return i == n;
}

bool ParseWholeNumber(std::string_view text, int& value) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }
  if (text.empty()) {
    return false;
  }
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

std::string_view Trim(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
  if (first == 0 || last < first || first > line.size()) {
    return {};
  }
  return Trim(line.substr(first - 1, last - first + 1));
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) {
    lines.push_back(text.substr(start));
  }
  return lines;
}

namespace {
char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

std::string ToUpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace talver
