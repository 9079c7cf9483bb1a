// A Display that remembers what it was told, for tests.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "app/Display.h"

namespace talver::testing {

class RecordingDisplay final : public Display {
 public:
  void SetStatus(std::string_view text) override;
  void SetProgress(std::int64_t position, std::int64_t maximum) override;
  void SetInternetState(bool online) override;
  void SetTitle(std::string_view text) override;
  void SetBusyWarning(bool visible) override;
  void SetLabel(std::string_view control, const LabelState& state) override;
  void SetIndicator(std::string_view control, bool visible, Colour fill) override;
  void AddTraceLine(std::string_view line) override;
  void ClearTrace() override;
  void ShowMessage(const MessageBox& box) override;
  void SetPassiveMode(bool checked) override;
  void SetSelectedSource(int index) override;

  std::vector<std::string> Statuses() const;
  std::vector<MessageBox> Messages() const;
  std::vector<std::string> TraceLines() const;
  // The last state of a label (text, colour, visibility merged as a widget would keep them).
  LabelState Label(const std::string& control) const;
  bool HasLabel(const std::string& control) const;
  int LabelChanges() const;
  std::string Title() const;
  struct Indicator {
    bool visible = false;
    Colour fill;
  };
  std::optional<Indicator> IndicatorState(const std::string& control) const;
  std::optional<bool> Online() const;
  std::optional<bool> PassiveMode() const;
  int SelectedSource() const;

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> statuses_;
  std::vector<MessageBox> messages_;
  std::vector<std::string> trace_;
  std::map<std::string, LabelState> labels_;
  int labelChanges_ = 0;
  std::map<std::string, Indicator> indicators_;
  std::string title_;
  std::optional<bool> online_;
  std::optional<bool> passive_;
  int source_ = -1;
};

}  // namespace talver::testing
