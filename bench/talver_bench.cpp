// Figures for the work that grows with the data: parsing a real SAO day file, adding a
// journal line to a long journal, and storing a day of Parus values.
#include <chrono>
#include <cstdio>
#include <string>

#include "app/Journal.h"
#include "common/Files.h"
#include "db/Database.h"
#include "sources/parus/ParusFile.h"
#include "sources/sao/SaoFile.h"
#include "tests/support/ParusFixture.h"
#include "tests/support/Sandbox.h"

namespace {

using Stopwatch = std::chrono::steady_clock;

double MillisecondsSince(Stopwatch::time_point start) {
  return std::chrono::duration<double, std::milli>(Stopwatch::now() - start).count();
}

}  // namespace

int main() {
  using namespace talver;
  const std::string sao = testing::ReadSourceFile("tests/data/real/sao/JI91J_20240511(132).SAO");
  {
    const int rounds = 20;
    const auto start = Stopwatch::now();
    for (int i = 0; i < rounds; ++i) {
      ZagruzkaDannyhDigizond(sao, 2024, 132);
    }
    std::printf("SAO day file (%zu bytes, 230 records): %.2f ms a parse\n", sao.size(),
                MillisecondsSince(start) / rounds);
  }

  testing::Sandbox sandbox;
  {
    const FixedClock clock(DateTime{{2019, 10, 7}, 10, 0, 0, 0});
    for (const int records : {1000, 20000}) {
      Journal journal(clock);
      journal.SetFileName(sandbox / ("Log" + std::to_string(records) + ".txt"));
      journal.SetActive(true);
      for (int i = 0; i < records; ++i) {
        journal.AddJournalLine(" -", " Файл http://127.0.0.1/Moscow/data/19280F00.txt принят.");
      }
      const int rounds = 200;
      const auto start = Stopwatch::now();
      for (int i = 0; i < rounds; ++i) {
        journal.AddJournalLine(" -", " Файл http://127.0.0.1/Moscow/data/19280G00.txt принят.");
      }
      std::printf("journal line added to %d records: %.3f ms\n", records,
                  MillisecondsSince(start) / rounds);
    }
  }
  {
    Database db(sandbox.CreateDatabaseFile());
    const auto start = Stopwatch::now();
    db.InsertFile(kMoscowTables, {2019, 10, 7});
    for (int hour = 0; hour < 24; ++hour) {
      testing::ParusFields fields;
      fields.hour = (hour < 10 ? "0" : "") + std::to_string(hour);
      WriteParusRecord(db, kMoscowTables, ZagruzkaDannyh(testing::ParusFileText(fields)),
                       std::nullopt);
    }
    std::printf("a day of Parus values (24 files, 96 values): %.2f ms\n", MillisecondsSince(start));
  }
  return 0;
}
