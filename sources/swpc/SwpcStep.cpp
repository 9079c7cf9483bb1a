#include "sources/swpc/SwpcStep.h"

#include <chrono>

#include "app/Trace.h"
#include "assessment/Freshness.h"
#include "common/Files.h"
#include "common/Text.h"
#include "net/FtpClient.h"
#include "sources/Download.h"
#include "sources/swpc/DailyIndices.h"
#include "sources/swpc/Storm.h"
#include "sources/swpc/WorldLists.h"

namespace talver {

namespace {

std::int64_t MonotonicMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// What the FTP transfers show: the protocol trace, the speed and the progress bar.
class FtpDisplay {
 public:
  explicit FtpDisplay(Acquisition& acquisition) : acquisition_(acquisition) {}

  // CurrentFtpFile and ExpectedSize of the file about to be fetched.
  void Expect(const std::string& file, std::int64_t size) {
    currentFtpFile_ = file;
    expectedSize_ = size;
  }

  FtpEvents Events() {
    Display& display = acquisition_.display;
    FtpEvents events;
    events.sent = [&display](std::string_view data) {
      for (const auto& line : SplitTraceLines(kTraceSentPrefix, data)) {
        display.AddTraceLine(line);
      }
    };
    events.received = [&display](std::string_view data) {
      for (const auto& line : SplitTraceLines(kTraceReceivedPrefix, data)) {
        display.AddTraceLine(line);
      }
    };
    events.status = [&display](std::string_view text) { display.AddTraceLine(text); };
    events.workBegin = [this](std::int64_t announced) {
      const std::int64_t maximum = progress_.WorkBegin(MonotonicMs(), announced, expectedSize_);
      acquisition_.progress.Set(0, maximum);
      lastShownMs_ = 0;
    };
    events.work = [this](std::int64_t bytes) {
      // A few updates a second keep the panel current without flooding a service log.
      const std::int64_t now = MonotonicMs();
      if (now - lastShownMs_ < 200) {
        return;
      }
      lastShownMs_ = now;
      acquisition_.display.SetStatus(progress_.Work(now, bytes, currentFtpFile_));
      if (progress_.Maximum() > 0) {
        acquisition_.progress.SetPosition(std::min(bytes, progress_.Maximum()));
      }
    };
    events.workEnd = [this] {
      acquisition_.display.SetStatus(kLoadedWaitingText);
      expectedSize_ = 0;
      acquisition_.progress.Set(0, 0);
      progress_.WorkEnd();
    };
    return events;
  }

 private:
  Acquisition& acquisition_;
  TransferProgress progress_;
  std::string currentFtpFile_;
  std::int64_t expectedSize_ = 0;
  std::int64_t lastShownMs_ = 0;
};

// An FTP error while DSD.txt is fetched ends the whole step.
class DsdTransferFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::filesystem::path Fetch(Acquisition& acquisition, FtpClient& ftp, FtpDisplay& display,
                            const std::string& file) {
  acquisition.CheckStop();
  display.Expect(file, ftp.Size(file));
  acquisition.display.SetStatus("Загрузка " + ToUpperAscii(file));
  const auto local = acquisition.TmpFolder() / file;
  ftp.Get(file, local);
  return local;
}

// Reads a fetched copy and removes it.
std::string TakeFile(const std::filesystem::path& local) {
  std::string text = ReadFileText(local);
  std::error_code ignored;
  std::filesystem::remove(local, ignored);
  return text;
}

bool ConnectNasaFTP(Acquisition& acquisition, FtpClient& ftp, const SwpcEndpoints& endpoints) {
  try {
    ftp.Connect(endpoints.ftpHost, endpoints.ftpPort);
    return true;
  } catch (const FtpError& error) {
    acquisition.display.SetStatus("Нет соединения с " + endpoints.ftpHost);
    acquisition.display.LogDetail(error.what());
    return false;
  }
}

void ZagruzkaFtpUSA(Acquisition& acquisition, const std::filesystem::path& local,
                    std::string_view station) {
  const std::string file = local.filename().string();
  const WorldList list = ParseWorldList(ReadFileText(local), station);
  const auto remove = [&] {
    std::error_code ignored;
    std::filesystem::remove(local, ignored);
  };
  if (list.noData) {
    acquisition.display.SetStatus("Нет данных");
    remove();
    return;
  }
  WriteWorldList(acquisition.database, station, list);
  remove();
  if (!list.complete) {
    return;
  }
  acquisition.journal.AddJournalLine(" -", " Файл " + file + " принят.");
  acquisition.file.LastDataDate = list.lastDataDate;
  acquisition.file.LastDataTime = list.lastDataTime;
  const std::string name(station);
  LastTimeData(acquisition.database, acquisition.display, acquisition.file, "DataLast" + name,
               "TimeLast" + name);
}

void LoadFileInetUSAFtp(Acquisition& acquisition, FtpClient& ftp, FtpDisplay& display) {
  ftp.ChangeDir("/pub/lists/iono_day");
  for (const auto station : kWorldListOrder) {
    const auto local = Fetch(acquisition, ftp, display, WorldListFile(station));
    if (!std::filesystem::exists(local)) {
      acquisition.progress.SetPosition(0);
      acquisition.display.SetStatus(kMissingDataFileText);
      return;
    }
    try {
      ZagruzkaFtpUSA(acquisition, local, station);
    } catch (const std::exception& error) {
      acquisition.display.LogDetail(WorldListFile(station) + ": " + error.what());
    }
  }
}

void FtpPart(Acquisition& acquisition, FtpClient& ftp, FtpDisplay& display) {
  std::filesystem::path dsd;
  try {
    ftp.ChangeDir("/pub/latest");
    dsd = Fetch(acquisition, ftp, display, "DSD.txt");
  } catch (const FtpError& error) {
    throw DsdTransferFailed(error.what());
  }
  ZagruzkaF107W(acquisition.database, acquisition.display, ParseDsd(TakeFile(dsd)));

  const auto ak = Fetch(acquisition, ftp, display, "AK.txt");
  const DailyGeomagneticData indices = ParseAk(ReadFileText(ak));
  ZagruzkaAK(acquisition.database, indices, acquisition.clock.NowLocal().date, acquisition.ApText,
             acquisition.KiText);
  TakeFile(ak);
  LoadFileInetUSAFtp(acquisition, ftp, display);
}

void StormCorrections(Acquisition& acquisition, const SwpcEndpoints& endpoints) {
  for (const std::string_view name : {kStormYesterdayFile, kStormTodayFile}) {
    acquisition.CheckStop();
    acquisition.file.CurrentFileName = std::string(name);
    acquisition.display.SetStatus("Загрузка " + std::string(name));
    const bool today = name == kStormTodayFile;
    LoadFileInet(acquisition, endpoints.textUrl, [&acquisition, today](std::string_view text) {
      const StormLines storm = ParseStorm(text);
      return AcceptFile([&acquisition, today, storm] {
        const CalendarDate utcToday = acquisition.clock.NowUtc().date;
        StoreStorm(acquisition.database, today ? utcToday : utcToday.AddDays(-1), storm);
        if (today) {
          ShowStormState(acquisition.display, storm, utcToday, acquisition.ApText,
                         acquisition.KiText);
        }
      });
    });
  }
}

}  // namespace

SwpcEndpoints ReadSwpcEndpoints(const Settings& settings) {
  SwpcEndpoints endpoints;
  endpoints.ftpHost = std::string(Trim(settings.ReadOr("FTP", "Host", "ftp.swpc.noaa.gov")));
  if (!ParseWholeNumber(settings.Read("FTP", "Port"), endpoints.ftpPort) ||
      endpoints.ftpPort <= 0) {
    endpoints.ftpPort = 21;
  }
  endpoints.textUrl =
      std::string(Trim(settings.ReadOr("URL", "SwpcText", "https://services.swpc.noaa.gov/text/")));
  if (endpoints.textUrl.back() != '/') {
    endpoints.textUrl += '/';
  }
  const std::size_t scheme = endpoints.textUrl.find("://");
  const std::size_t path =
      endpoints.textUrl.find('/', scheme == std::string::npos ? 0 : scheme + 3);
  endpoints.webAddress = endpoints.textUrl.substr(0, path);
  return endpoints;
}

void LoadFileStorm(Acquisition& acquisition, const SwpcEndpoints& endpoints) {
  if (!acquisition.internetOnline) {
    return;
  }
  FtpDisplay display(acquisition);
  FtpClient ftp(display.Events());
  if (!ConnectNasaFTP(acquisition, ftp, endpoints)) {
    acquisition.display.SetStatus("Нет соединения с " + endpoints.webAddress);
  } else {
    try {
      FtpPart(acquisition, ftp, display);
    } catch (const DsdTransferFailed& error) {
      acquisition.display.SetStatus("Ошибка ФТП");
      acquisition.display.LogDetail(error.what());
      ftp.Disconnect();
      return;
    } catch (const CycleStopped&) {
      throw;
    } catch (const std::exception& error) {
      acquisition.display.LogDetail(std::string("SWPC FTP: ") + error.what());
      ftp.Disconnect();
    }
  }
  StormCorrections(acquisition, endpoints);
}

}  // namespace talver
