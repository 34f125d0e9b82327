#pragma once
// GoogleTest's hook for platform adjustments, found before its own empty one when the Windows
// tests are built. MinGW-w64's win32 thread model has no std::mutex or
// std::condition_variable, which GoogleTest's Notification uses; this one waits on an atomic
// flag instead. Only GoogleTest's own thread tests use it, never ours.
#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    void Notify() { notified_.store(true); }
    void WaitForNotification() const {
        while (!notified_.load()) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
