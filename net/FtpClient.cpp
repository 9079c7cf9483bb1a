#include "net/FtpClient.h"

#include <curl/curl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "net/HttpClient.h"

namespace talver {

struct FtpClient::Handle {
  CURL* curl = nullptr;
  char error[CURL_ERROR_SIZE] = {};
  std::FILE* file = nullptr;
  bool writeFailed = false;
  bool stalled = false;
  bool inTransfer = false;
  curl_off_t lastBytes = -1;
  std::chrono::steady_clock::time_point lastActivity;
  const FtpEvents* events = nullptr;
  long idleTimeoutMs = 0;

  ~Handle() {
    if (curl) {
      curl_easy_cleanup(curl);
    }
  }
};

namespace {

int Debug(CURL*, curl_infotype type, char* data, std::size_t size, void* user) {
  auto& handle = *static_cast<FtpClient::Handle*>(user);
  const std::string_view text(data, size);
  handle.lastActivity = std::chrono::steady_clock::now();
  const FtpEvents& events = *handle.events;
  switch (type) {
    case CURLINFO_HEADER_OUT:
      if (events.sent) {
        events.sent(text);
      }
      break;
    case CURLINFO_HEADER_IN:
      if (events.received) {
        events.received(text);
      }
      break;
    case CURLINFO_TEXT:
      if (events.status) {
        std::string_view line = text;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
          line.remove_suffix(1);
        }
        events.status(line);
      }
      break;
    default:
      break;
  }
  return 0;
}

std::size_t Write(char* data, std::size_t size, std::size_t count, void* user) {
  auto& handle = *static_cast<FtpClient::Handle*>(user);
  const std::size_t bytes = size * count;
  if (!handle.inTransfer) {
    return bytes;  // libcurl passes the facts of a SIZE query ("Content-Length: …") here too
  }
  if (!handle.file || std::fwrite(data, 1, bytes, handle.file) != bytes) {
    handle.writeFailed = true;
    return 0;
  }
  return bytes;
}

int Progress(void* user, curl_off_t, curl_off_t now, curl_off_t, curl_off_t) {
  auto& handle = *static_cast<FtpClient::Handle*>(user);
  const auto clock = std::chrono::steady_clock::now();
  if (now != handle.lastBytes) {
    handle.lastBytes = now;
    handle.lastActivity = clock;
    if (handle.inTransfer && handle.events->work) {
      handle.events->work(static_cast<std::int64_t>(now));
    }
  } else if (clock - handle.lastActivity > std::chrono::milliseconds(handle.idleTimeoutMs)) {
    handle.stalled = true;
    return 1;
  }
  return 0;
}

}  // namespace

FtpClient::FtpClient(FtpEvents events, FtpOptions options)
    : handle_(std::make_unique<Handle>()), events_(std::move(events)), options_(options) {
  InitialiseCurl();
  handle_->events = &events_;
  handle_->idleTimeoutMs = options_.idleTimeoutMs;
}

FtpClient::~FtpClient() = default;

std::string FtpClient::Url(const std::string& path) const {
  return base_ + path;
}

void FtpClient::Connect(const std::string& host, int port) {
  Disconnect();
  handle_->curl = curl_easy_init();
  if (!handle_->curl) {
    throw FtpError("curl_easy_init");
  }
  CURL* h = handle_->curl;
  base_ = "ftp://" + host + ":" + std::to_string(port);
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, handle_->error);
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(h, CURLOPT_USERNAME, "anonymous");
  curl_easy_setopt(h, CURLOPT_PASSWORD, "");
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, options_.connectTimeoutMs);
  curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, (options_.idleTimeoutMs + 999) / 1000);
  curl_easy_setopt(h, CURLOPT_FTP_USE_EPSV, 1L);  // passive: EPSV, then PASV
  curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, 0L);  // binary
  curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
  curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, &Debug);
  curl_easy_setopt(h, CURLOPT_DEBUGDATA, handle_.get());
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Write);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, handle_.get());
  curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &Progress);
  curl_easy_setopt(h, CURLOPT_XFERINFODATA, handle_.get());
  directory_ = "/";
  try {
    Perform(Url("/"), false);
  } catch (const FtpError&) {
    Disconnect();
    throw;
  }
  connected_ = true;
}

void FtpClient::Disconnect() {
  if (handle_->curl) {
    curl_easy_cleanup(handle_->curl);  // sends QUIT on the open control connection
    handle_->curl = nullptr;
  }
  connected_ = false;
}

void FtpClient::Perform(const std::string& url, bool body) {
  if (!handle_->curl) {
    throw FtpError("нет соединения с FTP-сервером");
  }
  CURL* h = handle_->curl;
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_NOBODY, body ? 0L : 1L);
  curl_easy_setopt(h, CURLOPT_RESUME_FROM_LARGE, static_cast<curl_off_t>(0));
  handle_->error[0] = 0;
  handle_->stalled = false;
  handle_->writeFailed = false;
  handle_->lastBytes = -1;
  handle_->lastActivity = std::chrono::steady_clock::now();
  const CURLcode code = curl_easy_perform(h);
  if (code != CURLE_OK) {
    std::string message = handle_->error[0] ? handle_->error : curl_easy_strerror(code);
    if (handle_->stalled) {
      message = "сервер молчит дольше " + std::to_string(options_.idleTimeoutMs) + " мс";
    } else if (handle_->writeFailed) {
      message = "не удаётся записать принятый файл";
    }
    throw FtpError(message);
  }
}

void FtpClient::ChangeDir(const std::string& directory) {
  std::string path = directory;
  if (path.empty() || path.back() != '/') {
    path += '/';
  }
  Perform(Url(path), false);
  directory_ = path;
}

std::int64_t FtpClient::Size(const std::string& file) {
  try {
    Perform(Url(directory_ + file), false);
  } catch (const FtpError&) {
    return -1;
  }
  curl_off_t length = -1;
  curl_easy_getinfo(handle_->curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  return static_cast<std::int64_t>(length);
}

void FtpClient::Get(const std::string& file, const std::filesystem::path& local) {
  std::string temporary =
      (local.parent_path() / ("." + local.filename().string() + ".part-XXXXXX")).string();
  const int fd = mkstemp(temporary.data());
  handle_->file = fd >= 0 ? fdopen(fd, "wb") : nullptr;
  if (!handle_->file) {
    if (fd >= 0) {
      close(fd);
    }
    throw FtpError("не удаётся создать файл " + local.string());
  }
  const auto discard = [&] {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  };
  if (events_.workBegin) {
    events_.workBegin(0);
  }
  handle_->inTransfer = true;
  try {
    Perform(Url(directory_ + file), true);
  } catch (const FtpError&) {
    handle_->inTransfer = false;
    std::fclose(handle_->file);
    handle_->file = nullptr;
    discard();
    if (events_.workEnd) {
      events_.workEnd();
    }
    throw;
  }
  handle_->inTransfer = false;
  const bool closed = std::fclose(handle_->file) == 0;
  handle_->file = nullptr;
  std::error_code error;
  if (closed) {
    std::filesystem::rename(temporary, local, error);
  }
  if (!closed || error) {
    discard();
    throw FtpError("не удаётся записать файл " + local.string());
  }
  if (events_.workEnd) {
    events_.workEnd();
  }
}

}  // namespace talver
