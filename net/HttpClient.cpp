#include "net/HttpClient.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>

namespace talver {

void InitialiseCurl() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

namespace {

struct Transfer {
  CURL* curl = nullptr;
  std::filesystem::path temporary;
  std::FILE* file = nullptr;
  std::int64_t written = 0;
  std::int64_t cap = 0;
  bool saveFailed = false;
  bool tooLarge = false;
  bool stalled = false;
  std::int64_t receiveTimeoutMs = 0;
  std::int64_t lastBytes = -1;
  std::chrono::steady_clock::time_point lastByteAt = std::chrono::steady_clock::now();
  const HttpClient::Progress* progress = nullptr;

  ~Transfer() { Close(); }
  void Close() {
    if (file) {
      std::fclose(file);
      file = nullptr;
    }
  }
};

// Only the body of a 200 answer is kept; the file is opened when its first byte arrives.
std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto& transfer = *static_cast<Transfer*>(user);
  const std::size_t bytes = size * count;
  long status = 0;
  curl_easy_getinfo(transfer.curl, CURLINFO_RESPONSE_CODE, &status);
  if (status != 200) {
    return bytes;
  }
  if (transfer.written + static_cast<std::int64_t>(bytes) > transfer.cap) {
    transfer.tooLarge = true;
    return 0;
  }
  if (!transfer.file) {
    std::string pattern = transfer.temporary.string();
    const int fd = mkstemp(pattern.data());
    transfer.file = fd >= 0 ? fdopen(fd, "wb") : nullptr;
    if (!transfer.file) {
      if (fd >= 0) {
        close(fd);
      }
      transfer.saveFailed = true;
      return 0;
    }
    transfer.temporary = pattern;
  }
  if (std::fwrite(data, 1, bytes, transfer.file) != bytes) {
    transfer.saveFailed = true;
    return 0;
  }
  transfer.written += static_cast<std::int64_t>(bytes);
  return bytes;
}

// libcurl calls this at least once a second, so it also watches for a silent server.
int ReportProgress(void* user, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) {
  auto& transfer = *static_cast<Transfer*>(user);
  const auto clock = std::chrono::steady_clock::now();
  if (now != transfer.lastBytes) {
    transfer.lastBytes = now;
    transfer.lastByteAt = clock;
    if (transfer.progress && *transfer.progress) {
      (*transfer.progress)(static_cast<std::int64_t>(now), static_cast<std::int64_t>(total));
    }
  } else if (clock - transfer.lastByteAt > std::chrono::milliseconds(transfer.receiveTimeoutMs)) {
    transfer.stalled = true;
    return 1;
  }
  return 0;
}

}  // namespace

HttpClient::HttpClient(HttpOptions options) : options_(std::move(options)) {
  InitialiseCurl();
}

HttpResult HttpClient::Get(const std::string& url, const std::filesystem::path& destination,
                           const Progress& progress) const {
  HttpResult result;
  const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                 &curl_easy_cleanup);
  if (!curl) {
    result.error = "curl_easy_init";
    return result;
  }
  Transfer transfer;
  transfer.curl = curl.get();
  transfer.temporary =
      destination.parent_path() / ("." + destination.filename().string() + ".part-XXXXXX");
  transfer.cap = options_.maxBodyBytes;
  transfer.progress = &progress;
  transfer.receiveTimeoutMs = options_.receiveTimeoutMs;

  char errorBuffer[CURL_ERROR_SIZE] = {};
  CURL* h = curl.get();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, options_.connectTimeoutMs);
  curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options_.maxBodyBytes));
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!options_.caFile.empty()) {
    // OpenSSL trusts both the extra bundle and the system's folder of certificates.
    curl_easy_setopt(h, CURLOPT_CAINFO, options_.caFile.c_str());
    curl_easy_setopt(h, CURLOPT_CAPATH, "/etc/ssl/certs");
  }
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &WriteBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &ReportProgress);
  curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(h, CURLOPT_USERAGENT, "talver/5");

  const CURLcode code = curl_easy_perform(h);
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &result.status);
  const bool opened = transfer.file != nullptr;
  const bool closedWell = !opened || std::fclose(transfer.file) == 0;
  transfer.file = nullptr;
  const auto discard = [&] {
    if (opened) {
      std::error_code ignored;
      std::filesystem::remove(transfer.temporary, ignored);
    }
  };

  if (transfer.saveFailed || !closedWell) {
    discard();
    result.outcome = HttpOutcome::SaveFailed;
    result.error = "не удаётся записать " + destination.string();
    return result;
  }
  if (code != CURLE_OK || result.status != 200) {
    discard();
    result.outcome = HttpOutcome::Refused;
    if (transfer.stalled) {
      result.error = "нет данных от сервера " + std::to_string(options_.receiveTimeoutMs) + " мс";
    } else if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
      result.error = "файл больше " + std::to_string(options_.maxBodyBytes) + " байт";
    } else if (code != CURLE_OK) {
      result.error = errorBuffer[0] ? errorBuffer : curl_easy_strerror(code);
    } else {
      result.error = "HTTP " + std::to_string(result.status);
    }
    return result;
  }
  std::error_code error;
  if (!opened) {
    // An empty body never reached the write callback.
    std::FILE* empty = std::fopen(destination.c_str(), "wb");
    if (!empty) {
      result.outcome = HttpOutcome::SaveFailed;
      result.error = "не удаётся записать " + destination.string();
      return result;
    }
    std::fclose(empty);
  } else {
    std::filesystem::rename(transfer.temporary, destination, error);
    if (error) {
      discard();
      result.outcome = HttpOutcome::SaveFailed;
      result.error = error.message();
      return result;
    }
  }
  result.outcome = HttpOutcome::Saved;
  return result;
}

}  // namespace talver
