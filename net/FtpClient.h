// An anonymous, passive, binary FTP client on libcurl that keeps one control connection
// for a whole series of transfers, and reports its protocol talk and transfer progress.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace talver {

// A network or protocol error of the FTP client itself.
class FtpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct FtpEvents {
  std::function<void(std::string_view data)> sent;      // commands, as sent
  std::function<void(std::string_view data)> received;  // replies, as received
  std::function<void(std::string_view text)> status;    // the client's own status texts
  std::function<void(std::int64_t announced)> workBegin;
  std::function<void(std::int64_t bytesSoFar)> work;
  std::function<void()> workEnd;
};

struct FtpOptions {
  long connectTimeoutMs = 10000;
  long idleTimeoutMs = 30000;  // no byte and no reply for this long aborts
};

class FtpClient {
 public:
  explicit FtpClient(FtpEvents events, FtpOptions options = {});
  ~FtpClient();
  FtpClient(const FtpClient&) = delete;
  FtpClient& operator=(const FtpClient&) = delete;

  // Connects and logs in as "anonymous" with an empty password. Raises FtpError.
  void Connect(const std::string& host, int port);
  bool Connected() const { return connected_; }
  void Disconnect();

  // Raises FtpError when the server has no such directory.
  void ChangeDir(const std::string& directory);
  // The size the server reports for a file of the current directory; -1 when it gives none.
  std::int64_t Size(const std::string& file);
  // Fetches a file of the current directory to `local`, replacing any file there, never
  // resuming. Raises FtpError; a failed transfer leaves no file behind.
  void Get(const std::string& file, const std::filesystem::path& local);

  // The libcurl handle and the state its callbacks share.
  struct Handle;

 private:
  void Perform(const std::string& url, bool body);
  std::string Url(const std::string& path) const;

  std::unique_ptr<Handle> handle_;
  FtpEvents events_;
  FtpOptions options_;
  std::string base_;
  std::string directory_ = "/";
  bool connected_ = false;
};

}  // namespace talver
