#include "app/headless/Service.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <iostream>

#include "app/EngineHost.h"
#include "app/headless/HeadlessDisplay.h"

namespace talver {

namespace {

int signalPipe[2] = {-1, -1};

void OnStopSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = write(signalPipe[1], &byte, 1);
}

}  // namespace

int RunOnce(const EngineOptions& options) {
  HeadlessDisplay display(std::cerr);
  SystemClock clock;
  NoTimers timers;
  EngineOptions once = options;
  once.startupWait = std::chrono::milliseconds(0);
  once.firstCycleWait = std::chrono::milliseconds(0);
  Engine engine(once, display, clock, timers);
  if (!engine.FormCreate()) {
    return 1;
  }
  engine.LoadINI();
  return 0;
}

int RunHeadless(int argc, char** argv, const EngineOptions& options) {
  QCoreApplication application(argc, argv);
  if (pipe(signalPipe) != 0) {
    std::cerr << "talver: pipe() failed\n";
    return 1;
  }
  struct sigaction action {};
  action.sa_handler = &OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);

  HeadlessDisplay display(std::cerr);
  SystemClock clock;
  EngineHost host(options, display, clock);
  QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(&notifier, &QSocketNotifier::activated, &application, [&] {
    notifier.setEnabled(false);
    host.RunExitSequence();
    application.quit();
  });
  host.Start();
  return application.exec();
}

}  // namespace talver
