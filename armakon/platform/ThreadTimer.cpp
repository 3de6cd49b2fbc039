#include "armakon/platform/ThreadTimer.h"

#include <condition_variable>
#include <utility>

namespace armakon {

struct ThreadTimer::State {
  std::mutex lock;
  std::condition_variable wake;
  bool stopped = false;
  std::thread::id tickThread;  // set by the thread before its first tick
  std::function<void()> tick;
};

ThreadTimer::ThreadTimer(std::chrono::milliseconds interval, std::function<void()> tick)
    : state_(std::make_shared<State>()) {
  state_->tick = std::move(tick);
  if (!state_->tick) {
    state_->stopped = true;
    return;
  }
  if (interval < std::chrono::milliseconds(1)) interval = std::chrono::milliseconds(1);
  try {
    thread_ = std::thread(&ThreadTimer::run, state_, interval);
  } catch (...) {
    state_->stopped = true;
  }
}

ThreadTimer::~ThreadTimer() { stop(); }

void ThreadTimer::run(std::shared_ptr<State> state, std::chrono::milliseconds interval) {
  using Clock = std::chrono::steady_clock;
  std::unique_lock<std::mutex> guard(state->lock);
  state->tickThread = std::this_thread::get_id();
  Clock::time_point next = Clock::now() + interval;
  while (true) {
    if (state->wake.wait_until(guard, next, [&] { return state->stopped; })) return;
    guard.unlock();
    bool failed = false;
    try {
      state->tick();
    } catch (...) {
      failed = true;
    }
    guard.lock();
    if (failed) {
      state->stopped = true;
      return;
    }
    next += interval;
    const Clock::time_point now = Clock::now();
    if (next <= now) next = now + interval;
  }
}

void ThreadTimer::stop() noexcept {
  bool fromTick = false;
  {
    std::lock_guard<std::mutex> guard(state_->lock);
    state_->stopped = true;
    fromTick = state_->tickThread == std::this_thread::get_id();
  }
  state_->wake.notify_all();
  if (fromTick) {
    // Joining would wait for ourselves. The thread sees the flag when the callback returns
    // and ends; it keeps the shared state alive until then. If another thread is already
    // stopping the timer, that one joins.
    std::unique_lock<std::mutex> guard(threadLock_, std::try_to_lock);
    if (guard.owns_lock() && thread_.joinable()) thread_.detach();
    return;
  }
  std::lock_guard<std::mutex> guard(threadLock_);
  if (!thread_.joinable()) return;
  try {
    thread_.join();
  } catch (...) {
    // Only a failing system call gets here; the stop flag is set, so the thread ends on
    // its own, and a joinable std::thread must not be left to its destructor.
    try {
      thread_.detach();
    } catch (...) {
    }
  }
}

bool ThreadTimer::isRunning() const noexcept {
  std::lock_guard<std::mutex> guard(state_->lock);
  return !state_->stopped;
}

}  // namespace armakon
