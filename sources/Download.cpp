#include "sources/Download.h"

#include "app/Trace.h"
#include "assessment/Freshness.h"
#include "common/Files.h"

namespace talver {

namespace {

// A transfer that failed: the journal line is the usual one, the cause goes to the log.
void Refuse(Acquisition& acquisition, const std::string& url, const std::string& cause) {
  acquisition.display.SetStatus("Файл " + acquisition.file.CurrentFileName + " не принят.");
  acquisition.journal.AddJournalLine(" -", " Файл " + url + " не принят.");
  acquisition.display.LogDetail(url + ": " + cause);
}

// A file its handler would not take: the journal says why.
void Reject(Acquisition& acquisition, const std::string& url, const std::string& why) {
  acquisition.display.SetStatus("Файл " + acquisition.file.CurrentFileName + " не принят.");
  acquisition.journal.AddJournalLine(" -", " Файл " + url + " не принят. Причина: " + why);
}

// The local copy lives only while its handler works.
struct RemoveWhenDone {
  std::filesystem::path file;
  ~RemoveWhenDone() {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  }
};

}  // namespace

bool LoadFileInet(Acquisition& acquisition, std::string_view baseUrl,
                  const ReceivedFileHandler& handler) {
  const std::string url = std::string(baseUrl) + acquisition.file.CurrentFileName;
  const auto local = acquisition.TmpFolder() / acquisition.file.CurrentFileName;
  const HttpClient client(acquisition.http);
  const HttpResult result =
      client.Get(url, local, [&](std::int64_t received, std::int64_t announced) {
        acquisition.progress.Set(received, announced);
      });
  if (result.outcome == HttpOutcome::Refused) {
    Refuse(acquisition, url, result.error);
    return false;
  }
  if (result.outcome == HttpOutcome::SaveFailed) {
    acquisition.display.SetStatus("Файл данных не найден!!!");
    acquisition.display.LogDetail(result.error);
    return false;
  }
  const RemoveWhenDone cleanup{local};
  std::string text;
  try {
    text = ReadFileText(local);
  } catch (const std::exception&) {
    acquisition.progress.SetPosition(0);
    acquisition.display.SetStatus(kMissingDataFileText);
    return false;
  }
  AcceptFile accept;
  try {
    accept = handler(text);
  } catch (const RejectedFile& rejected) {
    Reject(acquisition, url, rejected.what());
    return false;
  }
  acquisition.journal.AddJournalLine(" -", " Файл " + url + " принят.");
  if (accept) {
    accept();
  }
  acquisition.progress.SetPosition(0);
  acquisition.display.SetStatus(kLoadedWaitingText);
  return true;
}

void SaveIni(const Settings& settings, std::string_view fileKey, std::string_view dateKey,
             std::string_view fileName, const DateTime& nowUtc) {
  settings.Write("FILE", fileKey, fileName);
  settings.Write("FILE", dateKey, nowUtc.Text());
}

}  // namespace talver

namespace talver {

void RecordTakenFile(Acquisition& acquisition, const StationRecordKeys& keys, bool brought,
                     const std::string& lastDataDate, const std::string& lastDataTime) {
  FileState& state = acquisition.file;
  SaveIni(acquisition.settings, keys.fileNameKey, keys.fileDateKey, state.CurrentFileName,
          acquisition.clock.NowUtc());
  if (brought) {
    state.LastDataDate = lastDataDate;
    state.LastDataTime = lastDataTime;
    LastTimeData(acquisition.database, acquisition.display, state, keys.freshnessDateColumn,
                 keys.freshnessTimeColumn);
  }
}

}  // namespace talver
