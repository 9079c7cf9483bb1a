#include "tests/support/ServerProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "tests/support/Sandbox.h"

namespace talver::testing {

ServerProcess::ServerProcess(const std::string& script, const std::vector<std::string>& arguments) {
  int out[2];
  if (pipe(out) != 0) {
    throw std::runtime_error("pipe failed");
  }
  const std::string program = SourcePath("tests/servers/" + script).string();
  pid_ = fork();
  if (pid_ < 0) {
    throw std::runtime_error("fork failed");
  }
  if (pid_ == 0) {
    // The server never outlives the test, even one that crashes.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDERR_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    std::vector<char*> argv;
    std::string python = "/usr/bin/python3";
    argv.push_back(python.data());
    std::string programCopy = program;
    argv.push_back(programCopy.data());
    std::vector<std::string> copies(arguments);
    for (auto& argument : copies) {
      argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    execv(python.c_str(), argv.data());
    _exit(127);
  }
  close(out[1]);
  std::string line;
  char c = 0;
  while (read(out[0], &c, 1) == 1 && c != '\n') {
    line += c;
  }
  close(out[0]);
  if (line.rfind("PORT ", 0) != 0) {
    Stop();
    throw std::runtime_error("server " + script + " did not start: '" + line + "'");
  }
  port_ = std::atoi(line.c_str() + 5);
}

ServerProcess::~ServerProcess() {
  Stop();
}

void ServerProcess::Stop() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }
}

namespace {

std::vector<std::string> HttpArguments(const std::filesystem::path& root,
                                       const std::filesystem::path& log,
                                       const std::filesystem::path& certificate,
                                       const std::filesystem::path& key) {
  std::vector<std::string> arguments{"--root", root.string(), "--log", log.string()};
  if (!certificate.empty()) {
    arguments.insert(arguments.end(), {"--cert", certificate.string(), "--key", key.string()});
  }
  return arguments;
}

}  // namespace

HttpServer::HttpServer(const std::filesystem::path& root, const std::filesystem::path& certificate,
                       const std::filesystem::path& key)
    : log_(root.parent_path() / (root.filename().string() + ".requests.log")),
      tls_(!certificate.empty()),
      process_("http_server.py", HttpArguments(root, log_, certificate, key)) {}

std::string HttpServer::Url(const std::string& path) const {
  return std::string(tls_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(Port()) + path;
}

std::vector<std::string> HttpServer::RequestedPaths() const {
  std::vector<std::string> paths;
  std::ifstream in(log_);
  std::string line;
  while (std::getline(in, line)) {
    paths.push_back(line);
  }
  return paths;
}

namespace {

std::vector<std::string> FtpArguments(const std::filesystem::path& root, bool reportsSizes) {
  std::vector<std::string> arguments{"--root", root.string()};
  if (!reportsSizes) {
    arguments.emplace_back("--no-size");
  }
  return arguments;
}

}  // namespace

FtpServer::FtpServer(const std::filesystem::path& root, bool reportsSizes)
    : process_("ftp_server.py", FtpArguments(root, reportsSizes)) {}

TestCertificate MakeTestCertificate(const std::filesystem::path& folder) {
  TestCertificate result{folder / "server.crt", folder / "server.key"};
  // Valid from 2015 to 2035, so that programs run under faketime in 2019 trust it too.
  const std::string command =
      "faketime '2015-01-01 00:00:00' openssl req -x509 -newkey rsa:2048 -nodes -days 7300"
      " -subj /CN=127.0.0.1"
      " -addext subjectAltName=IP:127.0.0.1 -keyout " +
      result.key.string() + " -out " + result.certificate.string() + " 2>/dev/null";
  if (std::system(command.c_str()) != 0) {
    throw std::runtime_error("openssl could not make a certificate");
  }
  return result;
}

}  // namespace talver::testing
