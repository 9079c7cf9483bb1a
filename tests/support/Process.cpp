#include "tests/support/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <array>
#include <cstdio>

#include "app/Settings.h"
#include "common/Files.h"

namespace talver::testing {

namespace {

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

}  // namespace

ProcessResult RunTalver(const std::vector<std::string>& arguments, const std::string& fakeTime,
                        const std::string& timeZone) {
  std::string command = "LC_ALL=C.UTF-8 TZ=" + Quote(timeZone) + " ";
  if (!fakeTime.empty()) {
    command += "FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f " + Quote("@" + fakeTime) + " ";
  }
  command += Quote(TALVER_EXECUTABLE);
  for (const auto& argument : arguments) {
    command += " " + Quote(argument);
  }
  command += " 2>&1";
  ProcessResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    return result;
  }
  std::array<char, 4096> buffer{};
  std::size_t read = 0;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    result.output.append(buffer.data(), read);
  }
  const int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

BackgroundTalver::BackgroundTalver(const std::vector<std::string>& arguments,
                                   const std::filesystem::path& output)
    : output_(output) {
  pid_ = fork();
  if (pid_ == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(fd, STDOUT_FILENO);
    dup2(fd, STDERR_FILENO);
    std::vector<std::string> copies{TALVER_EXECUTABLE};
    copies.insert(copies.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : copies) {
      argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    setenv("TZ", "UTC", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    execv(TALVER_EXECUTABLE, argv.data());
    _exit(127);
  }
}

BackgroundTalver::~BackgroundTalver() {
  if (pid_ > 0) {
    Stop(SIGKILL);
  }
}

std::string BackgroundTalver::Output() const {
  try {
    return ReadFileText(output_);
  } catch (const std::exception&) {
    return {};
  }
}

bool BackgroundTalver::WaitForOutput(const std::string& text, int seconds) const {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (Output().find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > end) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

int BackgroundTalver::Stop(int signal) {
  kill(pid_, signal);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void WriteLocalSettings(const std::filesystem::path& dataDir, int httpPort, int ftpPort,
                        const std::string& scheme, const std::filesystem::path& caFile) {
  const std::string base = scheme + "://127.0.0.1:" + std::to_string(httpPort);
  const Settings settings(dataDir / "talver.INI");
  settings.Write("INET", "Online", "1");
  settings.Write("INET", "CAFile", caFile.string());
  settings.Write("URL", "Moscow", base + "/Moscow/data/");
  settings.Write("URL", "Novosibirsk", base + "/parus/38502/");
  settings.Write("URL", "Rim", base + "/Roma/data/");
  settings.Write("URL", "Praga", base + "/OneDaySecure/");
  settings.Write("URL", "SwpcText", base + "/text/");
  settings.Write("FTP", "Host", "127.0.0.1");
  settings.Write("FTP", "Port", std::to_string(ftpPort));
}

ProcessResult RunOnce(const std::filesystem::path& dataDir, const std::string& fakeTime) {
  return RunTalver({"--once", "--data-dir", dataDir.string()}, fakeTime);
}

}  // namespace talver::testing
