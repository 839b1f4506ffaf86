// What the GUI tests share: the program started and its start-up finished.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "harness.h"
#include "resource.h"
#include "string_ids.h"

// A running program whose frame is up, with the main window open and the
// splash screen dismissed.
class StartedProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = std::make_unique<ui::TessaraProcess>();
    ASSERT_TRUE(program_->started());
    frame_ = program_->WaitForStartedFrame();
    ASSERT_NE(frame_, nullptr) << "the frame did not come up with its main window";
  }

  // Closes the program and checks that it ends cleanly.
  void ExpectCleanClose() {
    EXPECT_EQ(program_->CloseAll(), std::optional<DWORD>(0));
  }

  std::unique_ptr<ui::TessaraProcess> program_;
  HWND frame_ = nullptr;
  ui::ProgramTexts texts_;
};
