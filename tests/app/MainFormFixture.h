#pragma once
// A main window model built on the fakes of the platform ports and of the
// real window, for the tests of the main window's commands.
#include <gtest/gtest.h>

#include <memory>

#include "app/FakePorts.h"

namespace hanaroku::testing {

class MainForm : public ::testing::Test {
 protected:
  FakeDialogs dialogs;
  FakeShell shell;
  MemoryFs fs;
  FakeClock clock;
  FakeHost host;
  FakeTimer* lastTimer = nullptr;
  TMainForm1 form{dialogs, shell, fs, clock,
                  [this] {
                    auto t = std::make_unique<FakeTimer>();
                    lastTimer = t.get();
                    return t;
                  },
                  host};
  void SetUp() override {
    form.ProgramFile = "C:\\prog\\hanaroku.exe";
    form.FormCreate();
  }
};

}  // namespace hanaroku::testing
