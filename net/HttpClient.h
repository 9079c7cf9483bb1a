// One HTTP or HTTPS GET into a file, on libcurl. Each call uses its own handle, so several
// transfers may run at once from different threads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace talver {

struct HttpOptions {
  long connectTimeoutMs = 5000;
  // The transfer is aborted when no byte arrives for this long.
  long receiveTimeoutMs = 5000;
  std::int64_t maxBodyBytes = 64 * 1024 * 1024;
  // An extra CA bundle trusted beside the system's ones (empty: none).
  std::filesystem::path caFile;
};

enum class HttpOutcome {
  Saved,       // status 200 and the whole body is in the destination file
  Refused,     // no answer, an error, a cut-off body, or a status other than 200
  SaveFailed,  // status 200, but the body could not be written
};

struct HttpResult {
  HttpOutcome outcome = HttpOutcome::Refused;
  long status = 0;
  std::string error;  // what went wrong, for the journal and the log
};

class HttpClient {
 public:
  // Bytes received so far and the size the server announced (0 when it announced none).
  using Progress = std::function<void(std::int64_t received, std::int64_t announced)>;

  explicit HttpClient(HttpOptions options);

  // The body goes to a temporary name beside `destination` and is renamed to it only when
  // complete; an existing destination file is replaced.
  HttpResult Get(const std::string& url, const std::filesystem::path& destination,
                 const Progress& progress = {}) const;

 private:
  HttpOptions options_;
};

// libcurl's process-wide set-up; safe to call more than once.
void InitialiseCurl();

}  // namespace talver
