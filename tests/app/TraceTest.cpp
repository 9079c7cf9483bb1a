#include "app/Trace.h"

#include <gtest/gtest.h>

namespace talver {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitTraceLines, OneLinePerCarriageReturn) {
  const std::string sent(kTraceSentPrefix);
  const std::string got(kTraceReceivedPrefix);
  EXPECT_EQ(SplitTraceLines(kTraceSentPrefix, "USER anonymous\r\n"),
            (Lines{sent + "USER anonymous"}));
  EXPECT_EQ(SplitTraceLines(kTraceReceivedPrefix, "220 Ready\r\n331 Password\r\n"),
            (Lines{got + "220 Ready", got + "331 Password"}));
  EXPECT_EQ(SplitTraceLines(kTraceReceivedPrefix, "230 partial"), (Lines{got + "230 partial"}));
  EXPECT_EQ(SplitTraceLines(kTraceReceivedPrefix, "230 a\r\n230 tail"),
            (Lines{got + "230 a", got + "230 tail"}));
  EXPECT_EQ(SplitTraceLines("p", "a\r\r\nb"), (Lines{"pa", "p", "pb"}));
  EXPECT_EQ(SplitTraceLines("p", ""), Lines{});
}

TEST(TraceLineColour, SentLinesGreenOthersBlue) {
  EXPECT_EQ(TraceLineColour(std::string(kTraceSentPrefix) + "USER anonymous"), colours::kGreen);
  EXPECT_EQ(TraceLineColour(std::string(kTraceReceivedPrefix) + "230 OK"), colours::kBlue);
  EXPECT_EQ(TraceLineColour("Connected."), colours::kBlue);
  EXPECT_EQ(TraceLineColour(">>"), colours::kBlue);
  EXPECT_EQ(TraceLineColour("x>>"), colours::kGreen);
}

TEST(ProgressTexts, BlankPaddedRemainingTimeAndTwoDecimalSpeed) {
  EXPECT_EQ(RemainingText(3725), " Осталось  1: 2: 5");
  EXPECT_EQ(RemainingText(0), " Осталось  0: 0: 0");
  EXPECT_EQ(SpeedText(0), "0.00 KB/с");
  EXPECT_EQ(SpeedText(12.34), "12.34 KB/с");
}

TEST(TransferProgress, SpeedAndRemainingFromTheMaximum) {
  TransferProgress progress;
  EXPECT_EQ(progress.WorkBegin(0, 0, 10240), 10240);
  EXPECT_EQ(progress.Work(1000, 2048, "DSD.txt"),
            "DSD.TXT Скорость загрузки 2.00 KB/с;  Осталось  0: 0: 4");
  progress.WorkEnd();
  EXPECT_EQ(progress.Speed(), 0);
  // Without any announced size the text carries no remaining time.
  EXPECT_EQ(progress.WorkBegin(0, -1, 0), 0);
  EXPECT_EQ(progress.Work(2000, 4096, "AK.txt"), "AK.TXT Скорость загрузки 2.00 KB/с; ");
  EXPECT_EQ(progress.WorkBegin(0, 500, 10240), 500);
  EXPECT_EQ(progress.Work(0, 10, "AK.txt"), "AK.TXT Скорость загрузки 0.00 KB/с; ");
}

}  // namespace
}  // namespace talver
