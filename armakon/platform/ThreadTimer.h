#pragma once
// A periodic timer on a thread of its own, for hosts without an event loop of their own.
//
// The callback runs on the timer's thread, one tick at a time. Ticks follow a fixed cadence
// from the start; a tick that overran its slot is not made up with a burst, the next one
// simply comes one interval later (as window-system timers coalesce missed ticks).
// A callback that throws ends the timer.

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "armakon/platform/PeriodicTimer.h"

namespace armakon {

class ThreadTimer : public PeriodicTimer {
 public:
  // Intervals below one millisecond count as one millisecond. When no thread can be
  // started, the timer is created stopped.
  ThreadTimer(std::chrono::milliseconds interval, std::function<void()> tick);
  ~ThreadTimer() override;

  void stop() noexcept override;
  bool isRunning() const noexcept override;

 private:
  struct State;
  static void run(std::shared_ptr<State> state, std::chrono::milliseconds interval);

  // Shared with the thread, so a stop from inside the callback can let the thread finish
  // on its own after the timer object is gone.
  std::shared_ptr<State> state_;
  std::mutex threadLock_;  // guards thread_ against two stops at once
  std::thread thread_;
};

}  // namespace armakon
