// The Display of the service: each status text, message and label change becomes one line
// of the log ("lbWolf: W = 0; SFI = 68").
#pragma once

#include <mutex>
#include <ostream>

#include "app/Display.h"

namespace talver {

class HeadlessDisplay final : public Display {
 public:
  explicit HeadlessDisplay(std::ostream& out) : out_(out) {}

  void SetStatus(std::string_view text) override;
  void SetProgress(std::int64_t, std::int64_t) override {}
  void SetInternetState(bool online) override;
  void SetTitle(std::string_view) override {}
  void SetBusyWarning(bool) override {}
  void SetLabel(std::string_view control, const LabelState& state) override;
  void SetIndicator(std::string_view, bool, Colour) override {}
  void AddTraceLine(std::string_view) override {}
  void ClearTrace() override {}
  void ShowMessage(const MessageBox& box) override;
  void SetPassiveMode(bool) override {}
  void SetSelectedSource(int) override {}
  void LogDetail(std::string_view text) override;

 private:
  void Line(std::string_view text);

  std::ostream& out_;
  std::mutex mutex_;
  std::optional<bool> online_;
};

}  // namespace talver
