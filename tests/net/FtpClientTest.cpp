#include "net/FtpClient.h"

#include <gtest/gtest.h>

#include "common/Files.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ServerProcess.h"

namespace talver {
namespace {

struct Recorded {
  std::vector<std::string> sent;
  std::vector<std::string> received;
  std::vector<std::string> status;
  std::vector<std::string> work;  // "begin", "<bytes>", "end"
};

FtpEvents Recording(Recorded& r) {
  FtpEvents events;
  events.sent = [&r](std::string_view d) { r.sent.emplace_back(d); };
  events.received = [&r](std::string_view d) { r.received.emplace_back(d); };
  events.status = [&r](std::string_view t) { r.status.emplace_back(t); };
  events.workBegin = [&r](std::int64_t) { r.work.emplace_back("begin"); };
  events.work = [&r](std::int64_t bytes) { r.work.push_back(std::to_string(bytes)); };
  events.workEnd = [&r] { r.work.emplace_back("end"); };
  return events;
}

class FtpClientTest : public ::testing::Test {
 protected:
  FtpClientTest() {
    sandbox_.Write("ftp/pub/latest/DSD.txt", content_);
    std::filesystem::create_directories(sandbox_ / "Tmp");
  }
  testing::Sandbox sandbox_;
  const std::string content_ = std::string(3000, 'x') + "\r\n2019 10 07  68\r\n";
};

TEST_F(FtpClientTest, OneConnectionForDirectorySizeAndTransfer) {
  testing::FtpServer server(sandbox_ / "ftp");
  Recorded recorded;
  FtpClient client(Recording(recorded));
  client.Connect("127.0.0.1", server.Port());
  ASSERT_TRUE(client.Connected());
  client.ChangeDir("/pub/latest");
  EXPECT_EQ(client.Size("DSD.txt"), static_cast<std::int64_t>(content_.size()));
  sandbox_.Write("Tmp/DSD.txt", "an older copy that is longer than nothing at all");
  client.Get("DSD.txt", sandbox_ / "Tmp/DSD.txt");
  EXPECT_EQ(ReadFileText(sandbox_ / "Tmp/DSD.txt"), content_);
  client.Disconnect();
  EXPECT_FALSE(client.Connected());

  const auto count = [](const std::vector<std::string>& lines, const std::string& start) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.rfind(start, 0) == 0; });
  };
  EXPECT_EQ(count(recorded.sent, "USER anonymous\r\n"), 1);  // logged in once for everything
  EXPECT_EQ(count(recorded.sent, "RETR DSD.txt"), 1);
  // Never resumes: the only REST is libcurl's own probe with the size.
  EXPECT_EQ(count(recorded.sent, "REST"), count(recorded.sent, "REST 0\r\n"));
  EXPECT_GE(count(recorded.received, "230"), 1);
  EXPECT_FALSE(recorded.status.empty());
  ASSERT_GE(recorded.work.size(), 3u);
  EXPECT_EQ(recorded.work.front(), "begin");
  EXPECT_EQ(recorded.work[recorded.work.size() - 2], std::to_string(content_.size()));
  EXPECT_EQ(recorded.work.back(), "end");
}

TEST_F(FtpClientTest, ErrorsOfTheServerRaiseAndLeaveNoFile) {
  testing::FtpServer server(sandbox_ / "ftp", false);
  Recorded recorded;
  FtpClient client(Recording(recorded));
  client.Connect("127.0.0.1", server.Port());
  EXPECT_THROW(client.ChangeDir("/pub/nowhere"), FtpError);
  client.ChangeDir("/pub/latest");
  EXPECT_EQ(client.Size("DSD.txt"), -1);  // this server reports no sizes
  EXPECT_THROW(client.Get("AK.txt", sandbox_ / "Tmp/AK.txt"), FtpError);
  EXPECT_TRUE(std::filesystem::is_empty(sandbox_ / "Tmp"));
  client.Get("DSD.txt", sandbox_ / "Tmp/DSD.txt");  // the connection is still good
  EXPECT_EQ(ReadFileText(sandbox_ / "Tmp/DSD.txt"), content_);
}

TEST(FtpClient, NoServerRaisesOnConnect) {
  Recorded recorded;
  FtpClient client(Recording(recorded));
  EXPECT_THROW(client.Connect("127.0.0.1", 1), FtpError);
  EXPECT_FALSE(client.Connected());
  EXPECT_THROW(client.ChangeDir("/pub"), FtpError);
}

}  // namespace
}  // namespace talver
