// The Display of the window: every call is handed to the window's thread.
#pragma once

#include <QPointer>

#include "app/Display.h"
#include "app/gui/MainWindow.h"

namespace talver {

class GuiDisplay final : public Display {
 public:
  explicit GuiDisplay(MainWindow* window) : window_(window) {}

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

 private:
  template <typename Work>
  void Post(Work work);

  QPointer<MainWindow> window_;
};

// The plain talver command: the window, its engine thread and the tray icon.
int RunWindow(int argc, char** argv, const struct EngineOptions& options,
              const std::filesystem::path& docFolder);

}  // namespace talver
