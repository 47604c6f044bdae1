// A fresh stand-in host per test, and the proof that the test released every host memo and handle
// that the engine fetched.
#pragma once

#include "GS.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/Memory.hpp"

#include <gtest/gtest.h>

class HostAccessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hostplatform::ResetHost();
        handlesBefore_ = hostplatform::LiveHandleCount();
        memosBefore_ = hostplatform::LiveMemoCount();
    }
    void TearDown() override {
        EXPECT_EQ(hostplatform::LiveHandleCount(), handlesBefore_) << "a memory handle was not released";
        EXPECT_EQ(hostplatform::LiveMemoCount(), memosBefore_) << "a memo was not disposed";
        hostplatform::ResetHost();
    }

  private:
    Int64 handlesBefore_ = 0;
    Int64 memosBefore_ = 0;
};
