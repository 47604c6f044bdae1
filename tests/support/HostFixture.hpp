// A fresh stand-in host per test, and the proof after each test that it left nothing of the host open:
// no memory handle, memo, dialog, process window or started file library. Under AddressSanitizer each
// test is also checked for leaked memory, so a leak names its test.
#pragma once

#include "hostplatform/Dialogs.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/Memory.hpp"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <vector>

class HostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hostplatform::ResetHost();
        handlesBefore_ = hostplatform::LiveHandleCount();
        memosBefore_ = hostplatform::LiveMemoCount();
    }
    void TearDown() override {
        ExpectNothingLeftOpen();
        hostplatform::ResetHost();
        ExpectNoLeaks();
    }

    static void ExpectNoLeaks() {
#if defined(__SANITIZE_ADDRESS__)
        EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "memory was leaked";
#endif
    }

  private:
    void ExpectNothingLeftOpen() const {
        EXPECT_EQ(hostplatform::LiveHandleCount(), handlesBefore_) << "a memory handle was not released";
        EXPECT_EQ(hostplatform::LiveMemoCount(), memosBefore_)
            << "a memo or attribute definition was not released";
        EXPECT_EQ(hostplatform::OpenDialogIds(), std::vector<short>()) << "a dialog was left open";
        EXPECT_FALSE(hostplatform::ProcessWindow().open) << "the process window was left open";
        EXPECT_EQ(hostplatform::IOInitDepth(), 0) << "the file library was left started";
    }

    Int64 handlesBefore_ = 0;
    Int64 memosBefore_ = 0;
};
