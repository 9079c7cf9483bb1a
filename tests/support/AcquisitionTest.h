// A test fixture with what an acquisition step works with: a sandbox with a delivered
// database and an empty Tmp, the settings file, an active journal and a recording display.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sources/Acquisition.h"
#include "tests/support/RecordingDisplay.h"
#include "tests/support/Sandbox.h"

namespace talver::testing {

class AcquisitionTest : public ::testing::Test {
 protected:
  explicit AcquisitionTest(DateTime now)
      : db_(sandbox_.CreateDatabaseFile()),
        settings_(sandbox_ / "talver.INI"),
        clock_(now),
        acquisition_(sandbox_.Path(), settings_, journal_, display_, db_, clock_) {
    std::filesystem::create_directories(sandbox_ / "Tmp");
    journal_.SetFileName(sandbox_ / "Log.txt");
    journal_.SetActive(true);
    acquisition_.internetOnline = true;
  }

  std::vector<std::string> JournalTexts() const {
    std::vector<std::string> texts;
    for (const auto& record : journal_.Records()) {
      texts.push_back(record.text);
    }
    return texts;
  }
  bool StatusShown(const std::string& text) const {
    const auto statuses = display_.Statuses();
    return std::find(statuses.begin(), statuses.end(), text) != statuses.end();
  }

  Sandbox sandbox_;
  Database db_;
  Settings settings_;
  FixedClock clock_;
  Journal journal_{clock_};
  RecordingDisplay display_;
  Acquisition acquisition_;
};

}  // namespace talver::testing
