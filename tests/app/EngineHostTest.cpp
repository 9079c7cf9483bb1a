#include "app/EngineHost.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/Settings.h"
#include "tests/support/ParusFixture.h"
#include "tests/support/RecordingDisplay.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ServerProcess.h"

namespace talver {
namespace {

template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

TEST(EngineHost, ASecondCycleIsRefusedWhileOneRuns) {
  testing::Sandbox sandbox;
  sandbox.CreateDatabaseFile();
  sandbox.Write("www/Moscow/data/19280F00.txt", testing::ParusFileText({}));
  sandbox.Write("www/behaviour.json", R"({"/Moscow/data/19280F00.txt": {"stall_seconds": 2}})");
  testing::HttpServer server(sandbox / "www");
  const Settings settings(sandbox / "talver.INI");
  settings.Write("INET", "Online", "1");
  settings.Write("FILE", "FileName", "19280E00.txt");
  settings.Write("URL", "Moscow", server.Url("/Moscow/data/"));
  for (const char* key : {"Novosibirsk", "Rim", "Praga", "SwpcText"}) {
    settings.Write("URL", key, server.Url("/none/"));
  }
  settings.Write("FTP", "Host", "127.0.0.1");
  settings.Write("FTP", "Port", "1");

  testing::RecordingDisplay display;
  const FixedClock clock(DateTime{{2019, 10, 7}, 5, 20, 0, 0});
  EngineOptions options;
  options.programFolder = sandbox.Path();
  options.startupWait = std::chrono::milliseconds(0);
  {
    EngineHost host(options, display, clock);
    host.Start();
    host.RequestCycle();
    ASSERT_TRUE(WaitFor([&] { return host.CycleRunning(); }));
    host.RequestCycle();
    const auto statuses = display.Statuses();
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), kCycleRefusedText), statuses.end());
    ASSERT_TRUE(WaitFor([&] { return !host.CycleRunning(); }));
  }
  const auto requested = server.RequestedPaths();
  ASSERT_FALSE(requested.empty());
  EXPECT_EQ(requested.front(), "/Moscow/data/19280F00.txt");
  EXPECT_EQ(std::count(requested.begin(), requested.end(), "/Moscow/data/19280F00.txt"), 1);
  EXPECT_EQ(settings.Read("FILE", "FileName"), "19280F00.txt");
}

}  // namespace
}  // namespace talver
