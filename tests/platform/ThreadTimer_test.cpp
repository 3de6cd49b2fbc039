#include "armakon/platform/ThreadTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace armakon {
namespace {

using std::chrono::milliseconds;

// Counts ticks and lets the test wait for a number of them (generous limit: a loaded
// machine may be slow, but a timer that never fires must not hang the suite).
class TickCounter {
 public:
  void tick() {
    std::lock_guard<std::mutex> guard(lock_);
    ++ticks_;
    changed_.notify_all();
  }
  bool waitFor(int wanted) {
    std::unique_lock<std::mutex> guard(lock_);
    return changed_.wait_for(guard, std::chrono::seconds(10), [&] { return ticks_ >= wanted; });
  }
  int ticks() {
    std::lock_guard<std::mutex> guard(lock_);
    return ticks_;
  }

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  int ticks_ = 0;
};

TEST(ThreadTimerTest, TicksUntilStoppedAndNeverAfter) {
  TickCounter counter;
  std::atomic<bool> onTestThread{false};
  const std::thread::id testThread = std::this_thread::get_id();
  ThreadTimer timer(milliseconds(5), [&] {
    if (std::this_thread::get_id() == testThread) onTestThread = true;
    counter.tick();
  });
  ASSERT_TRUE(counter.waitFor(3));
  timer.stop();
  EXPECT_FALSE(onTestThread.load());
  EXPECT_FALSE(timer.isRunning());
  const int atStop = counter.ticks();
  std::this_thread::sleep_for(milliseconds(40));
  EXPECT_EQ(counter.ticks(), atStop);
  timer.stop();  // a second stop is harmless
}

TEST(ThreadTimerTest, CallbackMayStopOrDestroyItsOwnTimer) {
  TickCounter counter;
  std::atomic<ThreadTimer*> self{nullptr};
  auto selfStopping = std::make_unique<ThreadTimer>(milliseconds(2), [&] {
    counter.tick();
    ThreadTimer* timer = self.load();
    if (counter.ticks() >= 3 && timer != nullptr) timer->stop();
  });
  self = selfStopping.get();
  for (int i = 0; i < 1000 && selfStopping->isRunning(); ++i)
    std::this_thread::sleep_for(milliseconds(10));
  ASSERT_FALSE(selfStopping->isRunning());
  const int atStop = counter.ticks();
  EXPECT_GE(atStop, 3);
  std::this_thread::sleep_for(milliseconds(30));
  EXPECT_EQ(counter.ticks(), atStop);
  selfStopping.reset();

  // Destroying the timer from its own callback must neither deadlock nor crash. What the
  // callback touches is shared, as it may finish after this test has returned.
  struct Owner {
    std::mutex lock;
    std::unique_ptr<ThreadTimer> timer;
    std::promise<void> destroyed;
  };
  auto owner = std::make_shared<Owner>();
  std::future<void> destroyed = owner->destroyed.get_future();
  {
    std::lock_guard<std::mutex> guard(owner->lock);
    owner->timer = std::make_unique<ThreadTimer>(milliseconds(2), [owner] {
      std::lock_guard<std::mutex> inner(owner->lock);
      if (owner->timer) {
        owner->timer.reset();
        owner->destroyed.set_value();
      }
    });
  }
  EXPECT_EQ(destroyed.wait_for(std::chrono::seconds(10)), std::future_status::ready);
}

TEST(ThreadTimerTest, DegenerateTimersAreHarmless) {
  ThreadTimer withoutCallback(milliseconds(5), nullptr);
  EXPECT_FALSE(withoutCallback.isRunning());

  TickCounter counter;
  ThreadTimer zeroInterval(milliseconds(0), [&] { counter.tick(); });  // counts as 1 ms
  EXPECT_TRUE(counter.waitFor(2));

  ThreadTimer throwing(milliseconds(1), [] { throw std::runtime_error("tick failed"); });
  for (int i = 0; i < 1000 && throwing.isRunning(); ++i)
    std::this_thread::sleep_for(milliseconds(10));
  EXPECT_FALSE(throwing.isRunning());
}

}  // namespace
}  // namespace armakon
