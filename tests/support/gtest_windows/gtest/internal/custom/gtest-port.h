// GoogleTest's own hook for a platform's additions, for the tests built with
// mingw-w64's win32 thread model, which has no std::mutex: the Notification
// that GoogleTest would build from it. Only GoogleTest's own thread tests
// wait on it; the tests here run in one thread.
#ifndef VELMORA_GTEST_WINDOWS_PORT_H
#define VELMORA_GTEST_WINDOWS_PORT_H

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
  Notification() = default;
  Notification(const Notification &) = delete;
  Notification &operator=(const Notification &) = delete;

  void Notify() { gemeldet.store(true); }
  void WaitForNotification() {
    while (!gemeldet.load()) {
    }
  }

private:
  std::atomic<bool> gemeldet{false};
};

} // namespace internal
} // namespace testing

#endif
