#include "app/headless/HeadlessDisplay.h"

#include "common/Text.h"

namespace talver {

namespace {

// A log line holds one event: the line breaks of message texts become blanks.
std::string OneLine(std::string_view text) {
  std::string line = StrReplaceAll(StrReplaceAll(text, "\r\n", " "), "\n\r", " ");
  for (char& c : line) {
    if (c == '\r' || c == '\n') {
      c = ' ';
    }
  }
  return line;
}

}  // namespace

void HeadlessDisplay::Line(std::string_view text) {
  const std::lock_guard lock(mutex_);
  out_ << OneLine(text) << '\n';
  out_.flush();
}

void HeadlessDisplay::SetStatus(std::string_view text) {
  Line(text);
}

void HeadlessDisplay::SetInternetState(bool online) {
  {
    const std::lock_guard lock(mutex_);
    if (online_ == online) {
      return;
    }
    online_ = online;
  }
  Line(online ? "Интернет подключен" : "Интернет отключен!");
}

void HeadlessDisplay::SetLabel(std::string_view control, const LabelState& state) {
  if (state.visible == false) {
    return;
  }
  Line(std::string(control) + ": " + state.text);
}

void HeadlessDisplay::ShowMessage(const MessageBox& box) {
  Line(box.caption.empty() ? box.text : box.caption + ": " + box.text);
}

void HeadlessDisplay::LogDetail(std::string_view text) {
  Line("  " + std::string(text));
}

}  // namespace talver
