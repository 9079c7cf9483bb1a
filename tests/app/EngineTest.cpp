#include "app/Engine.h"

#include <gtest/gtest.h>

#include "app/Schedule.h"
#include "common/Files.h"
#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/RecordingDisplay.h"
#include "tests/support/Sandbox.h"

namespace talver {
namespace {

class RecordingTimers final : public EngineTimers {
 public:
  void SetTimerNext(bool enabled) override { timerNext = enabled; }
  void StartTimerLoadINI() override { ++firstCycles; }
  void SetTimerInet(int intervalMs) override { inetIntervals.push_back(intervalMs); }

  bool timerNext = true;
  int firstCycles = 0;
  std::vector<int> inetIntervals;
};

class EngineTest : public ::testing::Test {
 protected:
  void WriteSettings(const std::string& content) { sandbox_.Write("talver.INI", content); }
  std::unique_ptr<Engine> MakeEngine() {
    EngineOptions options;
    options.programFolder = sandbox_.Path();
    options.startupWait = std::chrono::milliseconds(0);
    options.firstCycleWait = std::chrono::milliseconds(0);
    return std::make_unique<Engine>(options, display_, clock_, timers_);
  }
  std::vector<std::string> JournalTexts() const {
    std::vector<std::string> texts;
    for (const auto& record : ParseJournalFile(ReadFileText(sandbox_ / "Log.txt"))) {
      texts.push_back(record.text);
    }
    return texts;
  }

  testing::Sandbox sandbox_;
  FixedClock clock_{DateTime{{2019, 10, 7}, 10, 5, 20, 0}};
  testing::RecordingDisplay display_;
  RecordingTimers timers_;
};

TEST_F(EngineTest, MissingDatabaseShowsOneMessageAndStartsNothing) {
  auto engine = MakeEngine();
  EXPECT_FALSE(engine->FormCreate());
  const auto messages = display_.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text.rfind("D0CCAE0C: Ошибка при подключении", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(sandbox_ / "Log.txt"));
  EXPECT_FALSE(std::filesystem::exists(sandbox_ / "Tmp"));
  EXPECT_TRUE(timers_.inetIntervals.empty());
  EXPECT_EQ(timers_.firstCycles, 0);
  engine->LoadINI();
  EXPECT_TRUE(display_.Statuses().empty());
  // The countdown still runs and re-arms itself; it never starts a cycle.
  engine->TimerNextTimer();
  EXPECT_TRUE(timers_.timerNext);
  EXPECT_EQ(engine->NextRunCountdown(), (9 * 60 + 40) * 1000);
}

TEST_F(EngineTest, OnlineStartArmsTheFirstCycleAndTheCountdown) {
  sandbox_.CreateDatabaseFile();
  WriteSettings("[INET]\nOnline=1\nPassive=1\n[BDIONO]\nIstDan=5\n");
  auto engine = MakeEngine();
  ASSERT_TRUE(engine->FormCreate());
  EXPECT_EQ(display_.Online(), true);
  EXPECT_EQ(display_.PassiveMode(), true);
  EXPECT_EQ(display_.SelectedSource(), 5);
  EXPECT_EQ(timers_.firstCycles, 1);
  EXPECT_EQ(timers_.inetIntervals, std::vector<int>{1000});
  EXPECT_TRUE(timers_.timerNext);
  EXPECT_EQ(engine->NextRunCountdown(), (9 * 60 + 40) * 1000);
  EXPECT_TRUE(std::filesystem::is_directory(sandbox_ / "Tmp"));
  EXPECT_EQ(JournalTexts(), (std::vector<std::string>{" ИНТЕРНЕТ ПОДКЛЮЧЕН!", "",
                                                      "         ОТКРЫТИЕ  ПРОГРАММЫ."}));
  EXPECT_EQ(display_.Label("lbWolf").text, "");
  EXPECT_EQ(display_.Label("LogSize").visible, false);
}

TEST_F(EngineTest, OfflineStartStopsTheCountdownAndRunsNoCycle) {
  sandbox_.CreateDatabaseFile();
  WriteSettings("[INET]\nOnline=0\nPassive=0\n[BDIONO]\nIstDan=x\n");
  auto engine = MakeEngine();
  ASSERT_TRUE(engine->FormCreate());
  EXPECT_EQ(display_.Online(), false);
  EXPECT_EQ(display_.PassiveMode(), false);
  EXPECT_EQ(display_.SelectedSource(), 0);
  EXPECT_EQ(timers_.firstCycles, 0);
  EXPECT_EQ(JournalTexts().front(), " НЕТ СОЕДИНЕНИЯ С ИНТЕРНЕТОМ.");

  engine->TimerInetTimer();
  EXPECT_FALSE(timers_.timerNext);
  EXPECT_EQ(display_.Title(), kOfflineTitle);
  EXPECT_EQ(timers_.inetIntervals.back(), 30000);

  engine->btnZagruzIONOClick();
  ASSERT_EQ(display_.Messages().size(), 1u);
  EXPECT_EQ(display_.Messages()[0].text, "Интернет отключен. Загрузка невозможна.");

  // The connection comes back: the countdown is armed again from the clock.
  WriteSettings("[INET]\nOnline=1\n");
  clock_.Set(DateTime{{2019, 10, 7}, 10, 40, 0, 0});
  engine->TimerInetTimer();
  EXPECT_EQ(display_.Online(), true);
  EXPECT_TRUE(timers_.timerNext);
  EXPECT_EQ(timers_.inetIntervals.back(), 60000);
  EXPECT_EQ(engine->NextRunCountdown(), 35 * 60 * 1000);
  EXPECT_EQ(display_.Statuses().back(), "Ожидание загрузки..");
  // The monitor writes no journal line.
  EXPECT_EQ(JournalTexts().size(), 3u);
}

TEST_F(EngineTest, CountdownStepsTitleTheWindowAndRearmWhenDone) {
  sandbox_.CreateDatabaseFile();
  WriteSettings("[INET]\nOnline=0\n");
  auto engine = MakeEngine();
  ASSERT_TRUE(engine->FormCreate());
  clock_.Set(DateTime{{2019, 10, 7}, 10, 14, 58, 500});
  engine->TimeNextZapusk();
  engine->TimerNextTimer();
  EXPECT_EQ(display_.Title(),
            "Тальвер (V 5.0.0.10 от 07.10.2019).  До новой загрузки данных: 0мин 0с");
  EXPECT_TRUE(timers_.timerNext);
  clock_.Set(DateTime{{2019, 10, 7}, 10, 15, 0, 0});
  engine->TimerNextTimer();  // runs out: offline, so no cycle; armed for 11:15
  EXPECT_TRUE(timers_.timerNext);
  EXPECT_EQ(engine->NextRunCountdown(), 0);
}

TEST_F(EngineTest, ExitEmptiesStormPurgesAndWritesTheClosingLine) {
  const auto file = sandbox_.CreateDatabaseFile();
  {
    Database db(file);
    db.Execute("INSERT INTO STORM (Data, UT, Hap) VALUES ('2019-10-07', 3, 7)");
    db.EnsureDayRow("WarsawFoF2", {2019, 9, 6});
    db.EnsureDayRow("WarsawFoF2", {2019, 9, 7});
  }
  WriteSettings("[INET]\nOnline=0\n");
  auto engine = MakeEngine();
  ASSERT_TRUE(engine->FormCreate());
  engine->ExitSequence();
  Database db(file);
  EXPECT_EQ(testing::RowCount(db, "STORM"), 0);
  EXPECT_EQ(testing::RowCount(db, "WarsawFoF2"), 1);
  EXPECT_EQ(JournalTexts().back(), " ЗАКРЫТИЕ ПРОГРАММЫ.");
}

TEST_F(EngineTest, AWorkingFolderThatCannotBeMadeEndsTheStartUp) {
  sandbox_.CreateDatabaseFile();
  WriteSettings("[INET]\nOnline=1\nPassive=1\n");
  sandbox_.Write("Tmp", "a file where the folder should be");
  auto engine = MakeEngine();
  EXPECT_TRUE(engine->FormCreate());
  EXPECT_EQ(timers_.firstCycles, 0);
  EXPECT_FALSE(display_.PassiveMode().has_value());
  EXPECT_TRUE(display_.Messages().empty());
}

TEST_F(EngineTest, SourcePickIsStoredAndJournalSizeShown) {
  sandbox_.CreateDatabaseFile();
  WriteSettings("[INET]\nOnline=0\n");
  auto engine = MakeEngine();
  ASSERT_TRUE(engine->FormCreate());
  const int labelsBefore = display_.LabelChanges();
  engine->cmbIstDanClick(23);
  EXPECT_EQ(Settings(sandbox_ / "talver.INI").Read("BDIONO", "IstDan"), "23");
  EXPECT_EQ(display_.LabelChanges(), labelsBefore);  // a blank entry changes nothing on screen
  engine->cmbIstDanClick(4);
  EXPECT_EQ(display_.Label("lbDanny").text, "Нет данных.");
  engine->btnSizeClick();
  const auto label = display_.Label("LogSize");
  EXPECT_EQ(label.text,
            "Размер журнала " + std::to_string(FileSizeBytes(sandbox_ / "Log.txt")) + " байт");
  EXPECT_EQ(label.visible, true);
  engine->btnClearClick();
  EXPECT_EQ(FileSizeBytes(sandbox_ / "Log.txt"), 0);
}

}  // namespace
}  // namespace talver
