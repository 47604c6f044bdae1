#include "GS/Debug.hpp"
#include "GS/Memory.hpp"
#include "hostplatform/DebugLog.hpp"
#include "hostplatform/Memory.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool AllZero(const char* data, GSSize size) {
    return std::all_of(data, data + size, [](char c) { return c == 0; });
}

TEST(GSMemoryHandles, SizeReallocAndClearFlag) {
    const Int64 liveAtStart = hostplatform::LiveHandleCount();
    GSHandle handle = BMAllocateHandle(64, ALLOCATE_CLEAR, 0);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(BMGetHandleSize(handle), 64);
    EXPECT_TRUE(AllZero(*handle, 64));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(*handle) % alignof(std::max_align_t), 0u);
    EXPECT_EQ(hostplatform::LiveHandleCount(), liveAtStart + 1);

    std::memcpy(*handle, "contents", 9);
    GSHandle grown = BMReallocHandle(handle, 100000, ALLOCATE_CLEAR, 0);
    ASSERT_EQ(grown, handle); // the handle stays, only the block moves
    EXPECT_EQ(BMGetHandleSize(handle), 100000);
    EXPECT_STREQ(*handle, "contents");
    EXPECT_TRUE(AllZero(*handle + 64, 100000 - 64));

    ASSERT_EQ(BMReallocHandle(handle, 4, 0, 0), handle);
    EXPECT_EQ(BMGetHandleSize(handle), 4);
    EXPECT_EQ(std::memcmp(*handle, "cont", 4), 0);

    EXPECT_EQ(BMKillHandle(&handle), NoError);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(hostplatform::LiveHandleCount(), liveAtStart);
    EXPECT_EQ(BMKillHandle(&handle), NoError); // killing null is harmless
    EXPECT_EQ(BMGetHandleSize(nullptr), 0);
}

TEST(GSMemoryHandles, EmptyNegativeAndPointerBlocks) {
    const Int64 liveAtStart = hostplatform::LiveHandleCount();
    GSHandle empty = BMAllocateHandle(0, 0, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(BMGetHandleSize(empty), 0);
    EXPECT_EQ(BMAllocateHandle(-1, 0, 0), nullptr);
    EXPECT_EQ(BMReallocHandle(empty, -1, 0, 0), nullptr);
    EXPECT_EQ(BMGetHandleSize(empty), 0);

    GSPtr ptr = BMAllocatePtr(16, ALLOCATE_CLEAR, 0);
    ASSERT_NE(ptr, nullptr);
    EXPECT_EQ(BMGetPtrSize(ptr), 16);
    EXPECT_TRUE(AllZero(ptr, 16));
    EXPECT_EQ(hostplatform::LiveHandleCount(), liveAtStart + 2);

    // Mixing up the two kinds is refused and frees nothing.
    EXPECT_NE(BMKillHandle(reinterpret_cast<GSHandle*>(&ptr)), NoError);
    EXPECT_NE(BMKillPtr(reinterpret_cast<GSPtr*>(&empty)), NoError);
    EXPECT_EQ(hostplatform::LiveHandleCount(), liveAtStart + 2);
    EXPECT_EQ(BMKillPtr(&ptr), NoError);
    EXPECT_EQ(ptr, nullptr);
    EXPECT_EQ(BMGetPtrSize(nullptr), 0);
    EXPECT_EQ(BMKillHandle(&empty), NoError);
    EXPECT_EQ(hostplatform::LiveHandleCount(), liveAtStart);
}

TEST(GSDebugLog, KeepsTheLatestEntriesInOrder) {
    hostplatform::ClearDebugLog();
    DBPrintf("first %d\n", 1);
    DBPrintf("%s", std::string(5000, 'y').c_str());
    auto log = hostplatform::DebugLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "first 1\n");
    EXPECT_EQ(log[1].size(), 5000u);

    for (int i = 0; i < 10005; ++i)
        DBPrintf("%d", i);
    log = hostplatform::DebugLog();
    ASSERT_EQ(log.size(), 10000u);
    EXPECT_EQ(log.front(), "5");
    EXPECT_EQ(log.back(), "10004");
    hostplatform::ClearDebugLog();
    EXPECT_TRUE(hostplatform::DebugLog().empty());
}

TEST(GSDebugLog, EchoesToStderrOnlyWhenAsked) {
    unsetenv("HOSTPLATFORM_DEBUG");
    testing::internal::CaptureStderr();
    DBPrintf("quiet");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    setenv("HOSTPLATFORM_DEBUG", "1", 1);
    testing::internal::CaptureStderr();
    DBPrintf("loud %s", "line");
    const std::string echoed = testing::internal::GetCapturedStderr();
    unsetenv("HOSTPLATFORM_DEBUG");
    EXPECT_EQ(echoed, "loud line");
}

} // namespace
