// The Wine suite's own safety net: a message box nobody expected fails the
// test at once instead of waiting for a click until the time limit.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "TestUtil.h"

namespace hanaroku::win32 {
namespace {

TEST(Harness, AnUnexpectedMessageBoxFailsTheTestAndIsDismissed) {
  int answer = 0;
  EXPECT_NONFATAL_FAILURE(answer = ::MessageBoxW(nullptr, L"本文を廃棄しますか", L"確認", MB_YESNO),
                          "unexpected dialog");
  EXPECT_NE(answer, 0);  // dismissed, not failed
  EXPECT_NONFATAL_FAILURE(answer = ::MessageBoxW(nullptr, L"ok", L"info", MB_OK), "unexpected dialog");
  EXPECT_NE(answer, 0);
}

}  // namespace
}  // namespace hanaroku::win32
