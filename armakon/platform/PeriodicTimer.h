#pragma once
// A running periodic timer, as handed out by PlatformServices::startTimer.

namespace armakon {

class PeriodicTimer {
 public:
  PeriodicTimer() = default;
  PeriodicTimer(const PeriodicTimer&) = delete;
  PeriodicTimer& operator=(const PeriodicTimer&) = delete;
  // Destroying the timer stops it.
  virtual ~PeriodicTimer() = default;

  // Stops the ticks; calling it again does nothing. When it returns, the callback is not
  // running and will not run again - unless stop is called from the callback itself, in
  // which case the current tick finishes and no further one follows.
  virtual void stop() noexcept = 0;
  virtual bool isRunning() const noexcept = 0;
};

}  // namespace armakon
