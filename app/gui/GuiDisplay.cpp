#include "app/gui/GuiDisplay.h"

#include <QApplication>

#include "app/EngineHost.h"
#include "app/gui/AppIcon.h"

namespace talver {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

template <typename Work>
void GuiDisplay::Post(Work work) {
  if (!window_) {
    return;  // the window is gone; the engine is being shut down
  }
  QMetaObject::invokeMethod(
      window_.data(),
      [window = window_, work = std::move(work)] {
        if (window) {
          work(*window);
        }
      },
      Qt::QueuedConnection);
}

void GuiDisplay::SetStatus(std::string_view text) {
  Post([text = Text(text)](MainWindow& w) { w.ShowStatus(text); });
}
void GuiDisplay::SetProgress(std::int64_t position, std::int64_t maximum) {
  Post([=](MainWindow& w) { w.ShowProgress(position, maximum); });
}
void GuiDisplay::SetInternetState(bool online) {
  Post([=](MainWindow& w) { w.ShowInternetState(online); });
}
void GuiDisplay::SetTitle(std::string_view text) {
  Post([text = Text(text)](MainWindow& w) { w.setWindowTitle(text); });
}
void GuiDisplay::SetBusyWarning(bool visible) {
  Post([=](MainWindow& w) { w.ShowBusyWarning(visible); });
}
void GuiDisplay::SetLabel(std::string_view control, const LabelState& state) {
  Post([control = Text(control), state](MainWindow& w) { w.ShowLabel(control, state); });
}
void GuiDisplay::SetIndicator(std::string_view control, bool visible, Colour fill) {
  Post([control = Text(control), visible, fill](MainWindow& w) {
    w.ShowIndicator(control, visible, fill);
  });
}
void GuiDisplay::AddTraceLine(std::string_view line) {
  Post([line = Text(line)](MainWindow& w) { w.AddTraceLine(line); });
}
void GuiDisplay::ClearTrace() {
  Post([](MainWindow& w) { w.ClearTrace(); });
}
void GuiDisplay::ShowMessage(const MessageBox& box) {
  Post([box](MainWindow& w) { w.ShowMessageBox(box); });
}
void GuiDisplay::SetPassiveMode(bool checked) {
  Post([=](MainWindow& w) { w.ShowPassiveMode(checked); });
}
void GuiDisplay::SetSelectedSource(int index) {
  Post([=](MainWindow& w) { w.ShowSelectedSource(index); });
}

int RunWindow(int argc, char** argv, const EngineOptions& options,
              const std::filesystem::path& docFolder) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Тальвер");
  QApplication::setWindowIcon(AppIcon());
  // With the window in the tray, closing the last visible window must not end the program.
  QApplication::setQuitOnLastWindowClosed(false);
  SystemClock clock;
  MainWindow window(clock, options.programFolder, docFolder);
  GuiDisplay display(&window);
  EngineHost host(options, display, clock);
  window.AttachEngine(&host);
  QObject::connect(&window, &MainWindow::exitRequested, &application, &QApplication::quit);
  window.show();
  host.Start();
  return application.exec();
}

}  // namespace talver
