// The test runner: an application object exists, as in the program, so that the engine's
// thread can run its own event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "net/HttpClient.h"
#include "tests/support/NoProxy.h"

int main(int argc, char** argv) {
  talver::testing::ClearProxyEnvironment();
  QCoreApplication application(argc, argv);
  talver::InitialiseCurl();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
