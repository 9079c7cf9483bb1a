#include "app/gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/EngineHost.h"
#include "app/Journal.h"
#include "app/Schedule.h"
#include "app/gui/AboutDialog.h"
#include "app/gui/AppIcon.h"
#include "app/gui/JournalDialog.h"
#include "app/gui/TraceList.h"
#include "assessment/SourceList.h"
#include "common/Files.h"

namespace talver {

namespace {

QString ColourCss(const Colour& colour) {
  return QString("rgb(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, bool bold = false,
                  const Colour* colour = nullptr) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  if (colour) {
    label->setStyleSheet("color: " + ColourCss(*colour));
  }
  return label;
}

QLineEdit* MakeClock(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setAlignment(Qt::AlignCenter);
  field->setFixedWidth(110);
  return field;
}

}  // namespace

MainWindow::MainWindow(const Clock& clock, std::filesystem::path programFolder,
                       std::filesystem::path docFolder, QWidget* parent)
    : QMainWindow(parent),
      clock_(clock),
      programFolder_(std::move(programFolder)),
      docFolder_(std::move(docFolder)) {
  setObjectName("Form1");
  setWindowTitle(kDesignTitle);
  setWindowIcon(AppIcon());
  BuildWidgets();
  BuildMenu();

  if (QSystemTrayIcon::isSystemTrayAvailable()) {
    tray_ = new QSystemTrayIcon(AppIcon(), this);
    tray_->setObjectName("CoolTrayIcon1");
    tray_->setToolTip("Тальвер");
    connect(tray_, &QSystemTrayIcon::activated, this, [this] { TrayActivated(); });
    tray_->show();
  }

  clockTimer_.setInterval(1000);
  connect(&clockTimer_, &QTimer::timeout, this, [this] { UTTimer(); });
  clockTimer_.start();
  UTTimer();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildWidgets() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);

  // The clock panel.
  auto* clocks = new QFrame(central);
  clocks->setObjectName("ClockPanel");
  clocks->setFrameShape(QFrame::StyledPanel);
  auto* clockRow = new QHBoxLayout(clocks);
  edtTekData_ = MakeClock(clocks, "edtTekData");
  edtUTC_ = MakeClock(clocks, "edtUTC");
  edtMSK_ = MakeClock(clocks, "edtMSK");
  clockRow->addWidget(new QLabel("Дата (UTC)", clocks));
  clockRow->addWidget(edtTekData_);
  clockRow->addWidget(new QLabel("UTC", clocks));
  clockRow->addWidget(edtUTC_);
  clockRow->addWidget(new QLabel("МСК", clocks));
  clockRow->addWidget(edtMSK_);
  label10_ = MakeLabel(clocks, "Label10", "Текущий день года");
  clockRow->addWidget(label10_);
  clockRow->addStretch();
  auto* lbDanny = MakeLabel(clocks, "lbDanny", "-", true, &colours::kBlue);
  QFont large = lbDanny->font();
  large.setPointSize(large.pointSize() + 5);
  lbDanny->setFont(large);
  clockRow->addWidget(lbDanny);
  layout->addWidget(clocks);

  auto* middle = new QHBoxLayout;

  // The controls of acquisition and journal.
  auto* left = new QVBoxLayout;
  auto* connection = new QGroupBox("Настройки соединения с Интернетом", central);
  connection->setObjectName("GroupBox1");
  auto* connectionLayout = new QVBoxLayout(connection);
  chPassiv_ = new QCheckBox("Пассивный режим", connection);
  chPassiv_->setObjectName("chPassiv");
  chPassiv_->setChecked(true);
  connectionLayout->addWidget(chPassiv_);
  left->addWidget(connection);

  auto* load = new QPushButton("Загрузить ионосферные данные ", central);
  load->setObjectName("btnZagruzIONO");
  load->setToolTip("Загрузить ионосферные данные с серверов");
  connect(load, &QPushButton::clicked, this, [this] { btnZagruzIONOClick(); });
  left->addWidget(load);
  lbKnopka_ = MakeLabel(central, "lbKnopka", "Не нажимайте на кнопки при загрузке данных!", true,
                        &colours::kRed);
  lbKnopka_->setWordWrap(true);
  lbKnopka_->hide();
  left->addWidget(lbKnopka_);

  auto* journalRow = new QHBoxLayout;
  auto* journal = new QPushButton("Журнал событий", central);
  journal->setObjectName("btnVurnal");
  connect(journal, &QPushButton::clicked, this, [this] { btnVurnalClick(); });
  auto* clear = new QPushButton("Очистить журнал", central);
  clear->setObjectName("btnClear");
  connect(clear, &QPushButton::clicked, this, [this] { btnClearClick(); });
  journalRow->addWidget(journal);
  journalRow->addWidget(clear);
  left->addLayout(journalRow);
  auto* logSize = MakeLabel(central, "LogSize", "Размер журнала", false, &colours::kBlue);
  logSize->hide();
  left->addWidget(logSize);
  left->addStretch();
  middle->addLayout(left, 2);

  // The state of the collected data.
  auto* state =
      new QGroupBox("Контроль актуальности и состояния загруженных ионосферных данных", central);
  state->setObjectName("GroupBox2");
  auto* grid = new QGridLayout(state);
  grid->addWidget(new QLabel("Источник ионосферных данных", state), 0, 0, 1, 2);
  cmbIstDan_ = new QComboBox(state);
  cmbIstDan_->setObjectName("cmbIstDan");
  cmbIstDan_->setToolTip("Источник ионосферных данных");
  cmbIstDan_->setMaxVisibleItems(20);
  cmbIstDan_->setStyleSheet("color: " + ColourCss(colours::kBlue) + "; font-weight: bold;");
  for (const auto& source : kDataSources) {
    cmbIstDan_->addItem(
        QString::fromUtf8(source.caption.data(), static_cast<int>(source.caption.size())));
  }
  connect(cmbIstDan_, &QComboBox::activated, this, [this](int index) { cmbIstDanClick(index); });
  grid->addWidget(cmbIstDan_, 1, 0, 1, 2);

  grid->addWidget(MakeLabel(state, "Label16", "Текущее состояние ионосферы по выбранному зонду",
                            false, &colours::kBlack),
                  2, 0);
  shSost_ = new QFrame(state);
  shSost_->setObjectName("shSost");
  shSost_->setFixedSize(28, 16);
  shSost_->setStyleSheet("border: 2px solid " + ColourCss(colours::kGreen) + ";");
  shSost_->hide();
  grid->addWidget(shSost_, 2, 1, Qt::AlignLeft);
  auto* lbSostIono = MakeLabel(state, "lbSostIono", "", true);
  lbSostIono->hide();
  grid->addWidget(lbSostIono, 3, 0, 1, 2);
  grid->addWidget(MakeLabel(state, "lbAp", "Индекс геомагнитной активности Ар="), 4, 0, 1, 2);
  grid->addWidget(MakeLabel(state, "lbApSost", "..", true), 5, 0, 1, 2);
  auto* lbWolf = MakeLabel(state, "lbWolf", "");
  lbWolf->setToolTip("W-число Вольфа; SFI- поток солнечного радиоизлучения");
  grid->addWidget(lbWolf, 6, 0, 1, 2);
  grid->setRowStretch(7, 1);
  middle->addWidget(state, 3);
  layout->addLayout(middle, 1);

  trace_ = new TraceList(central);
  trace_->setMinimumHeight(13 * 8);
  layout->addWidget(trace_);

  progressBar_ = new QProgressBar(central);
  progressBar_->setObjectName("ProgressBar1");
  progressBar_->setTextVisible(false);
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  layout->addWidget(progressBar_);
  setCentralWidget(central);

  auto* bar = new QStatusBar(this);
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(false);
  const int widths[] = {410, 130, 130, 360};
  const char* texts[] = {"Выполняемые действия", "Интернет подключен", "Интернет отключен!", ""};
  // The widths were made for a font of 5.5 pixels a character; wider fonts widen them alike.
  const double scale = std::max(1.0, bar->fontMetrics().averageCharWidth() / 5.5);
  for (int i = 0; i < 4; ++i) {
    panels_[i] = new QLabel(texts[i], bar);
    panels_[i]->setObjectName(QString("StatusBar1Panel%1").arg(i));
    panels_[i]->setFixedWidth(static_cast<int>(widths[i] * scale));
    bar->addWidget(panels_[i]);
  }
  QFont bold = panels_[1]->font();
  bold.setBold(true);
  for (int i : {1, 2}) {
    panels_[i]->setFont(bold);
    const int needed = QFontMetrics(bold).horizontalAdvance(texts[i]) + 12;
    panels_[i]->setFixedWidth(std::max(panels_[i]->width(), needed));
  }
  panels_[1]->setStyleSheet("color: " + ColourCss(colours::kGreen));
  panels_[2]->setStyleSheet("color: " + ColourCss(colours::kRed));
  setStatusBar(bar);
  resize(std::max(1060, static_cast<int>(1040 * scale)), 660);
}

void MainWindow::BuildMenu() {
  QMenu* file = menuBar()->addMenu("Файл");
  QAction* exit = file->addAction("Выход из программы");
  exit->setObjectName("btnCloseProg");
  connect(exit, &QAction::triggered, this, [this] { btnCloseProgClick(); });

  QMenu* help = menuBar()->addMenu("Помощь");
  QAction* manual = help->addAction("Помощь");
  manual->setObjectName("btnOpisaniePO");
  manual->setToolTip("Помощь");
  manual->setShortcut(QKeySequence(Qt::Key_F1));
  connect(manual, &QAction::triggered, this, [this] { btnOpisaniePOClick(); });
  QAction* about = help->addAction("О программе ...");
  about->setObjectName("btnAbout");
  about->setToolTip("О программе ");
  connect(about, &QAction::triggered, this, [this] { AboutClick(); });
}

void MainWindow::ShowStatus(const QString& text) {
  panels_[0]->setText(text);
  panels_[0]->repaint();
}

void MainWindow::ShowProgress(qint64 position, qint64 maximum) {
  if (maximum <= 0) {
    progressBar_->setRange(0, 1);
    progressBar_->setValue(0);
    return;
  }
  // QProgressBar counts in int; large sizes are shown in kilobytes.
  const qint64 scale = maximum > 1'000'000'000 ? 1024 : 1;
  progressBar_->setRange(0, static_cast<int>(maximum / scale));
  progressBar_->setValue(static_cast<int>(std::clamp<qint64>(position, 0, maximum) / scale));
}

void MainWindow::ShowInternetState(bool online) {
  panels_[1]->setVisible(online);
  panels_[2]->setVisible(!online);
  panels_[online ? 1 : 2]->setText(online ? "Интернет подключен" : "Интернет отключен!");
}

void MainWindow::ShowBusyWarning(bool visible) {
  lbKnopka_->setVisible(visible);
}

void MainWindow::ShowLabel(const QString& control, const LabelState& state) {
  auto* label = findChild<QLabel*>(control);
  if (!label) {
    return;
  }
  label->setText(QString::fromStdString(state.text));
  if (state.colour) {
    label->setStyleSheet("color: " + ColourCss(*state.colour));
  }
  if (state.visible) {
    label->setVisible(*state.visible);
  }
}

void MainWindow::ShowIndicator(const QString& control, bool visible, Colour fill) {
  if (control != shSost_->objectName()) {
    return;
  }
  shSost_->setStyleSheet("background-color: " + ColourCss(fill) + "; border: 2px solid " +
                         ColourCss(colours::kGreen) + ";");
  shSost_->setVisible(visible);
}

void MainWindow::AddTraceLine(const QString& line) {
  trace_->AddLine(line);
}

void MainWindow::ClearTrace() {
  trace_->clear();
}

void MainWindow::ShowMessageBox(const MessageBox& box) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (box.icon) {
    case MessageIcon::Information:
      icon = QMessageBox::Information;
      break;
    case MessageIcon::Warning:
      icon = QMessageBox::Warning;
      break;
    case MessageIcon::Error:
      icon = QMessageBox::Critical;
      break;
    case MessageIcon::None:
      break;
  }
  auto* dialog =
      new QMessageBox(icon, box.caption.empty() ? "Тальвер" : QString::fromStdString(box.caption),
                      QString::fromStdString(box.text), QMessageBox::Ok, this);
  dialog->setObjectName("MessageBox");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->show();  // modal for the operator, while the engine goes on
}

void MainWindow::ShowPassiveMode(bool checked) {
  chPassiv_->setChecked(checked);
}

void MainWindow::ShowSelectedSource(int index) {
  const QSignalBlocker quiet(cmbIstDan_);
  cmbIstDan_->setCurrentIndex(index);
}

void MainWindow::btnZagruzIONOClick() {
  if (host_) {
    host_->RequestCycle();
  }
}

void MainWindow::btnVurnalClick() {
  const auto file = programFolder_ / "Log.txt";
  std::vector<JournalRecord> records;
  try {
    records = ParseJournalFile(ReadFileText(file));
  } catch (const std::exception&) {
    // No journal yet: an empty list.
  }
  JournalDialog dialog(QString::fromStdString(file.string()), records, this);
  dialog.exec();
}

void MainWindow::btnClearClick() {
  if (host_) {
    host_->ClearJournal();
  }
}

void MainWindow::cmbIstDanClick(int index) {
  if (host_) {
    host_->SelectSource(index);
  }
}

void MainWindow::RunExitSequence() {
  exiting_ = true;
  if (host_) {
    host_->RunExitSequence();
  }
}

void MainWindow::btnCloseProgClick() {
  RunExitSequence();
  close();
  emit exitRequested();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (exiting_) {
    event->accept();
    return;
  }
  QMessageBox question(QMessageBox::Information, "ПРЕДУПРЕЖДЕНИЕ!",
                       "Закончить работу с программой?", QMessageBox::Ok | QMessageBox::Cancel,
                       this);
  question.setObjectName("ExitQuestion");
  if (question.exec() != QMessageBox::Ok) {
    event->ignore();
    return;
  }
  RunExitSequence();
  event->accept();
  emit exitRequested();
}

void MainWindow::btnOpisaniePOClick() {
  const auto manual = docFolder_ / "Ionos.pdf";
  const bool opened =
      std::filesystem::exists(manual) &&
      QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(manual.string())));
  if (!opened) {
    ShowMessageBox({"Ошибка открытия приложения.",
                    "Сообщение DE0D57ED: \n\rНе найден файл документации.", MessageIcon::Error});
  }
}

void MainWindow::AboutClick() {
  AboutDialog dialog(this);
  dialog.exec();
}

void MainWindow::UTTimer() {
  const DateTime utc = clock_.NowUtc();
  const DateTime local = clock_.NowLocal();
  edtTekData_->setText(QString::fromStdString(utc.date.ShortText()));
  edtUTC_->setText(QString::fromStdString(utc.TimeText()));
  edtMSK_->setText(QString::fromStdString(local.TimeText()));
  label10_->setText("Текущий день года " +
                    QString::number(DayOfCurrentYear(local.date, utc.date.year)));
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && tray_ && isMinimized()) {
    QTimer::singleShot(0, this, [this] { hide(); });  // to the tray, where a click restores it
  }
}

void MainWindow::TrayActivated() {
  showNormal();
  raise();
  activateWindow();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!centred_) {
    centred_ = true;
    if (const QScreen* screen = this->screen()) {
      move(screen->availableGeometry().center() - rect().center());
    }
  }
}

}  // namespace talver
