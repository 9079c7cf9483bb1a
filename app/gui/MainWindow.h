// The operator's window TForm1: clocks, status panels, progress, the trace, the state of
// the data, the journal buttons and the tray icon. It only draws and forwards clicks; the
// engine reaches it through GuiDisplay.
#pragma once

#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTimer>
#include <filesystem>

#include "app/Display.h"
#include "common/Clock.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace talver {

class EngineHost;
class TraceList;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `programFolder` holds Log.txt; `docFolder` the manual Ionos.pdf.
  MainWindow(const Clock& clock, std::filesystem::path programFolder,
             std::filesystem::path docFolder, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Clicks go to this engine; without one (before start-up) they do nothing.
  void AttachEngine(EngineHost* host) { host_ = host; }

  // What GuiDisplay asks for, always on the window's thread.
  void ShowStatus(const QString& text);
  void ShowProgress(qint64 position, qint64 maximum);
  void ShowInternetState(bool online);
  void ShowBusyWarning(bool visible);
  void ShowLabel(const QString& control, const LabelState& state);
  void ShowIndicator(const QString& control, bool visible, Colour fill);
  void AddTraceLine(const QString& line);
  void ClearTrace();
  void ShowMessageBox(const MessageBox& box);
  void ShowPassiveMode(bool checked);
  void ShowSelectedSource(int index);

  // The handlers of the window's own controls and timer.
  void btnZagruzIONOClick();
  void btnVurnalClick();
  void btnClearClick();
  void cmbIstDanClick(int index);
  void btnCloseProgClick();
  void btnOpisaniePOClick();
  void AboutClick();
  void UTTimer();

 signals:
  // The exit sequence has run: the program should end.
  void exitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildWidgets();
  void BuildMenu();
  void RunExitSequence();
  void TrayActivated();

  const Clock& clock_;
  std::filesystem::path programFolder_;
  std::filesystem::path docFolder_;
  EngineHost* host_ = nullptr;
  bool centred_ = false;
  bool exiting_ = false;

  QLineEdit* edtTekData_ = nullptr;
  QLineEdit* edtUTC_ = nullptr;
  QLineEdit* edtMSK_ = nullptr;
  QLabel* label10_ = nullptr;
  QLabel* panels_[4] = {};
  QProgressBar* progressBar_ = nullptr;
  QLabel* lbKnopka_ = nullptr;
  QCheckBox* chPassiv_ = nullptr;
  QComboBox* cmbIstDan_ = nullptr;
  QFrame* shSost_ = nullptr;
  TraceList* trace_ = nullptr;
  QSystemTrayIcon* tray_ = nullptr;
  QTimer clockTimer_;
};

}  // namespace talver
