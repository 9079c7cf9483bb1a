#include "net/HttpClient.h"

#include <gtest/gtest.h>

#include "common/Files.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ServerProcess.h"

namespace talver {
namespace {

class HttpClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox_.Write("www/day.txt", body_);
    sandbox_.Write("www/big.txt", std::string(5000, 'b'));
    std::filesystem::create_directories(sandbox_ / "Tmp");
  }
  void Behave(const std::string& json) { sandbox_.Write("www/behaviour.json", json); }
  std::vector<std::string> TmpEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(sandbox_ / "Tmp")) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  testing::Sandbox sandbox_;
  const std::string body_ = "line one\r\nline two\nthird\r\n";
  testing::HttpServer server_{sandbox_ / "www"};
};

TEST_F(HttpClientTest, SavesTheWholeBodyAndReportsProgress) {
  const HttpClient client(HttpOptions{});
  std::int64_t lastReceived = -1;
  std::int64_t lastAnnounced = -1;
  const auto result = client.Get(server_.Url("/day.txt"), sandbox_ / "Tmp/day.txt",
                                 [&](std::int64_t received, std::int64_t announced) {
                                   lastReceived = received;
                                   lastAnnounced = announced;
                                 });
  ASSERT_EQ(result.outcome, HttpOutcome::Saved) << result.error;
  EXPECT_EQ(result.status, 200);
  EXPECT_EQ(ReadFileText(sandbox_ / "Tmp/day.txt"), body_);
  EXPECT_EQ(lastReceived, static_cast<std::int64_t>(body_.size()));
  EXPECT_EQ(lastAnnounced, static_cast<std::int64_t>(body_.size()));
  EXPECT_EQ(TmpEntries(), std::vector<std::string>{"day.txt"});
}

TEST_F(HttpClientTest, FailedTransfersLeaveNoFileBehind) {
  Behave(R"({"/cut.txt": {"truncate": true}, "/error.txt": {"status": 500},
            "/slow.txt": {"stall_seconds": 4}})");
  sandbox_.Write("www/cut.txt", body_);
  sandbox_.Write("www/slow.txt", std::string(2000, 's'));
  HttpOptions options;
  options.receiveTimeoutMs = 1000;
  options.maxBodyBytes = 4000;
  const HttpClient client(options);
  const struct {
    std::string path;
    long status;
  } cases[] = {{"/missing.txt", 404},
               {"/error.txt", 500},
               {"/cut.txt", 200},
               {"/slow.txt", 200},
               {"/big.txt", 200}};
  for (const auto& c : cases) {
    const auto result = client.Get(server_.Url(c.path), sandbox_ / "Tmp/x.txt");
    EXPECT_EQ(result.outcome, HttpOutcome::Refused) << c.path;
    EXPECT_EQ(result.status, c.status) << c.path;
    EXPECT_FALSE(result.error.empty()) << c.path;
    EXPECT_TRUE(TmpEntries().empty()) << c.path;
  }
}

TEST_F(HttpClientTest, FollowsRedirects) {
  Behave(R"({"/old.txt": {"redirect": "/day.txt"}})");
  const HttpClient client(HttpOptions{});
  const auto result = client.Get(server_.Url("/old.txt"), sandbox_ / "Tmp/old.txt");
  ASSERT_EQ(result.outcome, HttpOutcome::Saved) << result.error;
  EXPECT_EQ(ReadFileText(sandbox_ / "Tmp/old.txt"), body_);
}

TEST_F(HttpClientTest, NoServerIsRefusedAndNoFolderFailsTheSave) {
  const HttpClient client(HttpOptions{});
  const int port = server_.Port();
  server_.Stop();
  const auto refused =
      client.Get("http://127.0.0.1:" + std::to_string(port) + "/day.txt", sandbox_ / "Tmp/d.txt");
  EXPECT_EQ(refused.outcome, HttpOutcome::Refused);

  testing::HttpServer again(sandbox_ / "www");
  const auto unsaved = client.Get(again.Url("/day.txt"), sandbox_ / "NoFolder/day.txt");
  EXPECT_EQ(unsaved.outcome, HttpOutcome::SaveFailed);
}

TEST(HttpsClient, VerifiesTheServerAgainstTheGivenBundle) {
  testing::Sandbox sandbox;
  sandbox.Write("www/today.txt", "secure\n");
  const auto certificate = testing::MakeTestCertificate(sandbox.Path());
  testing::HttpServer server(sandbox / "www", certificate.certificate, certificate.key);

  const auto untrusted = HttpClient(HttpOptions{}).Get(server.Url("/today.txt"), sandbox / "a.txt");
  EXPECT_EQ(untrusted.outcome, HttpOutcome::Refused);
  EXPECT_FALSE(std::filesystem::exists(sandbox / "a.txt"));

  HttpOptions options;
  options.caFile = certificate.certificate;
  const auto trusted = HttpClient(options).Get(server.Url("/today.txt"), sandbox / "b.txt");
  ASSERT_EQ(trusted.outcome, HttpOutcome::Saved) << trusted.error;
  EXPECT_EQ(ReadFileText(sandbox / "b.txt"), "secure\n");
}

}  // namespace
}  // namespace talver
