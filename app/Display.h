// Everything the operator sees, as the engine reports it. The window implements it with
// widgets, the service with log lines, the tests with a recorder. Calls come from the
// engine's thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/Colour.h"

namespace talver {

// A label's new state; fields left empty keep what the label has.
struct LabelState {
  std::string text;
  std::optional<Colour> colour;
  std::optional<bool> visible;
};

enum class MessageIcon { None, Information, Warning, Error };

struct MessageBox {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::Error;
};

class Display {
 public:
  virtual ~Display() = default;

  // Panel 0 of the status bar: what the server is doing now.
  virtual void SetStatus(std::string_view text) = 0;
  // ProgressBar1; a maximum of 0 or less leaves the bar empty.
  virtual void SetProgress(std::int64_t position, std::int64_t maximum) = 0;
  // Panels 1 ("Интернет подключен") and 2 ("Интернет отключен!").
  virtual void SetInternetState(bool online) = 0;
  virtual void SetTitle(std::string_view text) = 0;
  // lbKnopka, shown while a cycle runs.
  virtual void SetBusyWarning(bool visible) = 0;
  // A label or indicator by its control name: lbWolf, lbAp, lbApSost, lbDanny, Label16,
  // lbSostIono, shSost, LogSize.
  virtual void SetLabel(std::string_view control, const LabelState& state) = 0;
  // A coloured indicator shape (shSost).
  virtual void SetIndicator(std::string_view control, bool visible, Colour fill) = 0;
  virtual void AddTraceLine(std::string_view line) = 0;
  virtual void ClearTrace() = 0;
  // A message box; the window shows it modally, the engine does not wait for it.
  virtual void ShowMessage(const MessageBox& box) = 0;
  // chPassiv.
  virtual void SetPassiveMode(bool checked) = 0;
  // cmbIstDan.
  virtual void SetSelectedSource(int index) = 0;
  // A detail only the service log shows: why a transfer failed, an error a step discarded.
  virtual void LogDetail(std::string_view text) { (void)text; }
};

}  // namespace talver
