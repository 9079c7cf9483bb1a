// A helper server (HTTP, HTTPS or FTP) run by Debian's python3 for one test, listening on
// 127.0.0.1 at a port it picks itself.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace talver::testing {

class ServerProcess {
 public:
  // Starts tests/servers/<script> with the arguments and waits for its "PORT <n>" line.
  ServerProcess(const std::string& script, const std::vector<std::string>& arguments);
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  int Port() const { return port_; }
  void Stop();

 private:
  pid_t pid_ = -1;
  int port_ = 0;
};

// An HTTP server over a folder; every request path goes to a log the test can read.
class HttpServer {
 public:
  explicit HttpServer(const std::filesystem::path& root,
                      const std::filesystem::path& certificate = {},
                      const std::filesystem::path& key = {});

  int Port() const { return process_.Port(); }
  // "http://127.0.0.1:<port>" + path (or https when a certificate was given).
  std::string Url(const std::string& path) const;
  std::vector<std::string> RequestedPaths() const;
  void Stop() { process_.Stop(); }

 private:
  std::filesystem::path log_;
  bool tls_;
  ServerProcess process_;
};

// An anonymous read-only FTP server over a folder.
class FtpServer {
 public:
  explicit FtpServer(const std::filesystem::path& root, bool reportsSizes = true);
  int Port() const { return process_.Port(); }
  void Stop() { process_.Stop(); }

 private:
  ServerProcess process_;
};

// A self-signed certificate for 127.0.0.1 and its key, made with openssl.
struct TestCertificate {
  std::filesystem::path certificate;
  std::filesystem::path key;
};
TestCertificate MakeTestCertificate(const std::filesystem::path& folder);

}  // namespace talver::testing
