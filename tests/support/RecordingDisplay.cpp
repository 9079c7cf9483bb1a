#include "tests/support/RecordingDisplay.h"

namespace talver::testing {

void RecordingDisplay::SetStatus(std::string_view text) {
  const std::lock_guard lock(mutex_);
  statuses_.emplace_back(text);
}
void RecordingDisplay::SetProgress(std::int64_t, std::int64_t) {}
void RecordingDisplay::SetInternetState(bool online) {
  const std::lock_guard lock(mutex_);
  online_ = online;
}
void RecordingDisplay::SetTitle(std::string_view text) {
  const std::lock_guard lock(mutex_);
  title_ = text;
}
void RecordingDisplay::SetBusyWarning(bool) {}
void RecordingDisplay::SetLabel(std::string_view control, const LabelState& state) {
  const std::lock_guard lock(mutex_);
  ++labelChanges_;
  LabelState& label = labels_[std::string(control)];
  label.text = state.text;
  if (state.colour) {
    label.colour = state.colour;
  }
  if (state.visible) {
    label.visible = state.visible;
  }
}
void RecordingDisplay::SetIndicator(std::string_view control, bool visible, Colour fill) {
  const std::lock_guard lock(mutex_);
  indicators_[std::string(control)] = Indicator{visible, fill};
}
void RecordingDisplay::AddTraceLine(std::string_view line) {
  const std::lock_guard lock(mutex_);
  trace_.emplace_back(line);
}
void RecordingDisplay::ClearTrace() {
  const std::lock_guard lock(mutex_);
  trace_.clear();
}
void RecordingDisplay::ShowMessage(const MessageBox& box) {
  const std::lock_guard lock(mutex_);
  messages_.push_back(box);
}
void RecordingDisplay::SetPassiveMode(bool checked) {
  const std::lock_guard lock(mutex_);
  passive_ = checked;
}
void RecordingDisplay::SetSelectedSource(int index) {
  const std::lock_guard lock(mutex_);
  source_ = index;
}

std::vector<std::string> RecordingDisplay::Statuses() const {
  const std::lock_guard lock(mutex_);
  return statuses_;
}
std::vector<MessageBox> RecordingDisplay::Messages() const {
  const std::lock_guard lock(mutex_);
  return messages_;
}
std::vector<std::string> RecordingDisplay::TraceLines() const {
  const std::lock_guard lock(mutex_);
  return trace_;
}
LabelState RecordingDisplay::Label(const std::string& control) const {
  const std::lock_guard lock(mutex_);
  const auto found = labels_.find(control);
  return found == labels_.end() ? LabelState{} : found->second;
}
int RecordingDisplay::LabelChanges() const {
  const std::lock_guard lock(mutex_);
  return labelChanges_;
}
bool RecordingDisplay::HasLabel(const std::string& control) const {
  const std::lock_guard lock(mutex_);
  return labels_.count(control) != 0;
}
std::optional<RecordingDisplay::Indicator> RecordingDisplay::IndicatorState(
    const std::string& control) const {
  const std::lock_guard lock(mutex_);
  const auto found = indicators_.find(control);
  if (found == indicators_.end()) {
    return std::nullopt;
  }
  return found->second;
}
std::string RecordingDisplay::Title() const {
  const std::lock_guard lock(mutex_);
  return title_;
}
std::optional<bool> RecordingDisplay::Online() const {
  const std::lock_guard lock(mutex_);
  return online_;
}
std::optional<bool> RecordingDisplay::PassiveMode() const {
  const std::lock_guard lock(mutex_);
  return passive_;
}
int RecordingDisplay::SelectedSource() const {
  const std::lock_guard lock(mutex_);
  return source_;
}

}  // namespace talver::testing
