// The operator's window with its engine, on Qt's offscreen platform (and under Xvfb for the
// screenshot).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/EngineHost.h"
#include "app/Schedule.h"
#include "app/Settings.h"
#include "app/Trace.h"
#include "app/gui/AboutDialog.h"
#include "app/gui/GuiDisplay.h"
#include "app/gui/MainWindow.h"
#include "app/gui/NewsDialog.h"
#include "app/gui/TraceList.h"
#include "common/Files.h"
#include "db/Database.h"
#include "db/Schema.h"
#include "sources/swpc/WorldLists.h"
#include "tests/support/DbAccess.h"
#include "tests/support/NoProxy.h"
#include "tests/support/ParusFixture.h"
#include "tests/support/Sandbox.h"
#include "tests/support/SaoFixture.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/SwpcFixture.h"

namespace talver {
namespace {

// A window with its engine over a sandbox, as the talver command builds them.
struct Rig {
  explicit Rig(bool withDatabase, const std::string& settings,
               DateTime now = DateTime{{2019, 10, 7}, 10, 5, 20, 0})
      : clock(now) {
    if (withDatabase) {
      sandbox.CreateDatabaseFile();
    }
    sandbox.Write("talver.INI", settings);
  }
  void Start(const std::filesystem::path& docFolder = {}) {
    window = std::make_unique<MainWindow>(clock, sandbox.Path(),
                                          docFolder.empty() ? sandbox / "DOC" : docFolder);
    display = std::make_unique<GuiDisplay>(window.get());
    EngineOptions options;
    options.programFolder = sandbox.Path();
    options.startupWait = std::chrono::milliseconds(0);
    host = std::make_unique<EngineHost>(options, *display, clock);
    window->AttachEngine(host.get());
    window->show();
    host->Start();
  }
  ~Rig() {
    host.reset();
    display.reset();
    window.reset();
  }
  template <typename T>
  T* Find(const char* name) const {
    return window->findChild<T*>(name);
  }
  QString Text(const char* label) const { return Find<QLabel>(label)->text(); }
  std::vector<QMessageBox*> Boxes() const {
    std::vector<QMessageBox*> boxes;
    for (auto* box : window->findChildren<QMessageBox*>("MessageBox")) {
      boxes.push_back(box);
    }
    return boxes;
  }

  testing::Sandbox sandbox;
  FixedClock clock;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<GuiDisplay> display;
  std::unique_ptr<EngineHost> host;
};

// Clicks a button of the modal dialog that comes up next.
void AnswerNextModal(QMessageBox::StandardButton button) {
  QTimer::singleShot(200, [button] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      box->button(button)->click();
    }
  });
}

const char* kLocalUrls =
    "[URL]\nMoscow=http://127.0.0.1:1/Moscow/data/\nNovosibirsk=http://127.0.0.1:1/n/\n"
    "Rim=http://127.0.0.1:1/r/\nPraga=http://127.0.0.1:1/p/\nSwpcText=http://127.0.0.1:1/t/\n"
    "[FTP]\nHost=127.0.0.1\nPort=1\n";

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::ClearProxyEnvironment(); }
  void missingDatabaseShowsOneBoxWhileClocksAndCountdownRun();
  void offlineStartShowsTheStoredGeomagneticState();
  void countdownInTheTitleAndStoredSource();
  void cancelKeepsStormAndTheMenuExitPurgesWithoutAsking();
  void traceLinesSentGreenReceivedBlue();
  void aboutBoxAndReleaseNotes();
  void helpWithoutTheManualSaysSo();
  void screenshotAfterOneCycle();
};

void MainWindowTest::missingDatabaseShowsOneBoxWhileClocksAndCountdownRun() {
  Rig rig(false, "[INET]\nOnline=1\n");
  rig.Start();
  QTRY_COMPARE_WITH_TIMEOUT(rig.Boxes().size(), std::size_t{1}, 5000);
  QVERIFY(rig.Boxes()[0]->text().startsWith(
      "D0CCAE0C: Ошибка при подключении к базе ионосферных данных."));
  QCOMPARE(rig.Find<QLineEdit>("edtUTC")->text(), QString("10:05:20"));
  rig.clock.Set(DateTime{{2019, 10, 7}, 10, 6, 0, 0});
  QTRY_COMPARE_WITH_TIMEOUT(rig.Find<QLineEdit>("edtUTC")->text(), QString("10:06:00"), 3000);
  QCOMPARE(rig.Text("Label10"), QString("Текущий день года 280"));
  QTRY_VERIFY_WITH_TIMEOUT(rig.window->windowTitle().contains("До новой загрузки данных: 9мин"),
                           3000);
  QTest::qWait(2500);
  QCOMPARE(rig.Boxes().size(), std::size_t{1});
  QVERIFY(!std::filesystem::exists(rig.sandbox / "Log.txt"));
}

void MainWindowTest::offlineStartShowsTheStoredGeomagneticState() {
  Rig rig(true, "[INET]\nOnline=0\n");
  {
    Database db(rig.sandbox / "dbPrognoz.sqlite");
    db.Execute("INSERT INTO STORM (Data, UT, Hap) VALUES ('2019-10-07', 3, 7)");
  }
  rig.Start();
  QTRY_COMPARE_WITH_TIMEOUT(rig.Text("StatusBar1Panel0"),
                            QString("Данные базы неактуальны! Подключите Интернет!!"), 5000);
  QVERIFY(!rig.Find<QLabel>("StatusBar1Panel1")->isVisible());
  QVERIFY(rig.Find<QLabel>("StatusBar1Panel2")->isVisible());
  QCOMPARE(rig.Text("StatusBar1Panel2"), QString("Интернет отключен!"));
  QCOMPARE(rig.Text("lbAp"),
           QString("Индекс геомагнитной активности на 03 часов 07.10.2019 Ар=7; Ki="));
  QCOMPARE(rig.Text("lbApSost"), QString("Состояние - СПОКОЙНОЕ"));
  QCOMPARE(rig.Text("lbDanny"), QString("Нет данных."));
  QVERIFY(ReadFileText(rig.sandbox / "Log.txt").find(" НЕТ СОЕДИНЕНИЯ С ИНТЕРНЕТОМ.") !=
          std::string::npos);
  QTRY_COMPARE_WITH_TIMEOUT(rig.window->windowTitle(), QString(kOfflineTitle), 3000);

  // The button offline: the message, and no cycle.
  rig.Find<QPushButton>("btnZagruzIONO")->click();
  QTRY_COMPARE_WITH_TIMEOUT(rig.Boxes().size(), std::size_t{1}, 3000);
  QCOMPARE(rig.Boxes()[0]->text(), QString("Интернет отключен. Загрузка невозможна."));
}

void MainWindowTest::countdownInTheTitleAndStoredSource() {
  Rig rig(true, std::string("[INET]\nOnline=1\nPassive=1\n[BDIONO]\nIstDan=5\n") + kLocalUrls);
  rig.Start();
  QTRY_COMPARE_WITH_TIMEOUT(rig.Find<QComboBox>("cmbIstDan")->currentIndex(), 5, 3000);
  QCOMPARE(rig.Find<QComboBox>("cmbIstDan")->currentText(), QString("Испания (дигизонд ЕА036)"));
  QCOMPARE(rig.Find<QComboBox>("cmbIstDan")->count(), 25);
  QVERIFY(rig.Find<QCheckBox>("chPassiv")->isChecked());
  QTRY_VERIFY_WITH_TIMEOUT(
      rig.window->windowTitle().startsWith(
          "Тальвер (V 5.0.0.10 от 07.10.2019).  До новой загрузки данных: 9мин "),
      3000);
  // A pick in the list is stored and shown.
  rig.window->cmbIstDanClick(23);
  QTRY_COMPARE_WITH_TIMEOUT(
      QString::fromStdString(Settings(rig.sandbox / "talver.INI").Read("BDIONO", "IstDan")),
      QString("23"), 3000);
  // The first cycle ends with the journal size shown.
  QTRY_VERIFY_WITH_TIMEOUT(rig.Find<QLabel>("LogSize")->isVisible(), 20000);
  QVERIFY(rig.Text("LogSize").startsWith("Размер журнала "));
  QVERIFY(rig.Text("LogSize").endsWith(" байт"));
}

void MainWindowTest::cancelKeepsStormAndTheMenuExitPurgesWithoutAsking() {
  Rig rig(true, "[INET]\nOnline=0\n");
  const auto file = rig.sandbox / "dbPrognoz.sqlite";
  {
    Database db(file);
    db.Execute("INSERT INTO STORM (Data, UT, Hap) VALUES ('2019-10-07', 3, 7)");
    db.EnsureDayRow("WarsawFoF2", {2019, 9, 6});
  }
  rig.Start();
  QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(rig.sandbox / "Log.txt"), 5000);
  QSignalSpy exits(rig.window.get(), &MainWindow::exitRequested);

  AnswerNextModal(QMessageBox::Cancel);
  QVERIFY(!rig.window->close());
  {
    Database db(file);
    QCOMPARE(testing::RowCount(db, "STORM"), 1);
  }
  QCOMPARE(exits.count(), 0);

  rig.window->btnCloseProgClick();
  QCOMPARE(exits.count(), 1);
  Database db(file);
  QCOMPARE(testing::RowCount(db, "STORM"), 0);
  QCOMPARE(testing::RowCount(db, "WarsawFoF2"), 0);
  const auto journal = ParseJournalFile(ReadFileText(rig.sandbox / "Log.txt"));
  QCOMPARE(QString::fromStdString(journal.back().text), QString(" ЗАКРЫТИЕ ПРОГРАММЫ."));
}

void MainWindowTest::traceLinesSentGreenReceivedBlue() {
  TraceList list;
  list.resize(400, 60);
  list.AddLine(QString::fromStdString(std::string(kTraceSentPrefix) + "USER anonymous"));
  list.AddLine(QString::fromStdString(std::string(kTraceReceivedPrefix) + "230 Login successful."));
  list.AddLine("Connected to 127.0.0.1");
  list.show();
  QCOMPARE(list.currentRow(), 2);
  QCOMPARE(list.visualItemRect(list.item(0)).height(), 13);
  const QImage image = list.viewport()->grab().toImage();
  const auto rowHas = [&](int row, const QColor& colour) {
    const QRect rect = list.visualItemRect(list.item(row));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        if (image.pixelColor(x, y) == colour) {
          return true;
        }
      }
    }
    return false;
  };
  QVERIFY(rowHas(0, QColor(0, 128, 0)));
  QVERIFY(!rowHas(0, QColor(0, 0, 255)));
  QVERIFY(rowHas(1, QColor(0, 0, 255)));
  QVERIFY(rowHas(2, QColor(10, 95, 137)));  // the selected, newest line
  QVERIFY(rowHas(2, QColor(255, 255, 255)));
}

void MainWindowTest::aboutBoxAndReleaseNotes() {
  AboutDialog about;
  QCOMPARE(about.windowTitle(), QString("О программе"));
  QCOMPARE(about.findChild<QLabel*>("Version")->text(), QString("Версия 5.0.0.10"));
  QVERIFY(about.findChild<QLabel*>("lbAddress")->text().contains(kProjectAddress));
  about.show();
  for (int round = 0; round < 2; ++round) {
    QStringList seen;
    QString okText;
    QTimer::singleShot(200, [&] {
      auto* news = qobject_cast<NewsDialog*>(QApplication::activeModalWidget());
      if (!news) {
        return;
      }
      auto* list = news->findChild<QListWidget*>("ListBox1");
      for (int i = 0; i < list->count(); ++i) {
        seen << list->item(i)->text();
      }
      auto* ok = news->findChild<QPushButton*>("btnOk");
      okText = ok->text();
      ok->click();
    });
    about.findChild<QPushButton*>("btnNews")->click();
    QCOMPARE(seen.size(), 10);
    QCOMPARE(seen[1], QString("  - Блокировка приема данных московского дигизонда"));
    QCOMPARE(seen[6], QString("v 5.0.0.5 от 03.01.2018 "));
    QCOMPARE(okText, QString("&Ok"));
    QVERIFY(about.isVisible());  // back in the About box
  }
}

void MainWindowTest::helpWithoutTheManualSaysSo() {
  Rig rig(true, "[INET]\nOnline=0\n");
  rig.Start(rig.sandbox / "no-such-folder");
  rig.window->btnOpisaniePOClick();
  QTRY_VERIFY_WITH_TIMEOUT(!rig.Boxes().empty(), 3000);
  QMessageBox* box = nullptr;
  for (auto* candidate : rig.Boxes()) {
    if (candidate->windowTitle() == "Ошибка открытия приложения.") {
      box = candidate;
    }
  }
  QVERIFY(box != nullptr);
  QCOMPARE(box->text(), QString("Сообщение DE0D57ED: \n\rНе найден файл документации."));
}

void MainWindowTest::screenshotAfterOneCycle() {
  if (QGuiApplication::platformName() != "xcb") {
    QSKIP("the screenshot is taken under Xvfb");
  }
  Rig rig(true, "", DateTime{{2019, 10, 7}, 10, 20, 0, 0});
  testing::Sandbox servers;
  for (int day = 270; day <= 280; ++day) {
    const CalendarDate date = CalendarDate::FromDayOfYear(2019, day);
    for (int hour = 0; hour <= (day == 280 ? 10 : 23); ++hour) {
      testing::ParusFields fields;
      fields.month = "10";
      fields.month = date.month < 10 ? "0" + std::to_string(date.month) : "10";
      fields.day = (date.day < 10 ? "0" : "") + std::to_string(date.day);
      fields.hour = (hour < 10 ? "0" : "") + std::to_string(hour);
      fields.foF2 = (day == 280 && hour == 10) ? "05.60" : "04.50";
      servers.Write("www/Moscow/data/19" + std::to_string(day) +
                        std::string(1, static_cast<char>('A' + hour)) + "00.txt",
                    testing::ParusFileText(fields));
    }
  }
  servers.Write("ftp/pub/latest/DSD.txt", testing::DsdText({{"2019 10 07", 68, 0}}));
  servers.Write("ftp/pub/latest/AK.txt",
                testing::AkText(4, {"1", "2", "2", "-1", "-1", "-1", "-1", "-1"}));
  for (const auto station : kWorldListOrder) {
    servers.Write("ftp/pub/lists/iono_day/" + WorldListFile(station),
                  testing::IonoListText(std::string(station), {{"2019 10 07", "0945", "5.2"}}));
  }
  servers.Write("www/text/storm-corrections-yesterday.txt", testing::StormText({{23, "6"}}));
  servers.Write("www/text/storm-corrections-today.txt", testing::StormText({{8, "12"}, {9, "14"}}));
  testing::HttpServer http(servers / "www");
  testing::FtpServer ftp(servers / "ftp");
  const std::string base = "http://127.0.0.1:" + std::to_string(http.Port());
  rig.sandbox.Write("talver.INI",
                    "[INET]\nOnline=1\n[URL]\nMoscow=" + base +
                        "/Moscow/data/\nNovosibirsk=" + base + "/parus/38502/\nRim=" + base +
                        "/Roma/data/\nPraga=" + base + "/OneDaySecure/\nSwpcText=" + base +
                        "/text/\n[FTP]\nHost=127.0.0.1\nPort=" + std::to_string(ftp.Port()) +
                        "\n[FILE]\nFileNameNovosibirsk=19280K00.txt\nFileNameRim=19280K00.txt\n"
                        "FileNamePraga=PQ052_2019280.SAO\n");
  rig.Start();
  QTRY_VERIFY_WITH_TIMEOUT(rig.Find<QLabel>("LogSize")->isVisible(), 60000);
  QCOMPARE(rig.Text("lbDanny"), QString("Данные актуальны на 10:00 07.10.2019"));
  QCOMPARE(rig.Text("lbWolf"), QString("W = 0; SFI = 68"));
  QVERIFY(rig.Text("lbSostIono").startsWith(" Слабое положительное возмущение 24.4"));
  QTest::qWait(300);
  std::filesystem::create_directories(TALVER_TEST_OUTPUT);
  const QString file = QString(TALVER_TEST_OUTPUT) + "/main-window.png";
  QVERIFY(rig.window->grab().save(file));
  qInfo("screenshot: %s", qPrintable(file));
}

}  // namespace talver

QTEST_MAIN(talver::MainWindowTest)
#include "MainWindowTest.moc"
