#pragma once
// Worker processes for the batch check: a few long-lived processes that take job after job.
//
// Each worker is forked once and then runs job after job. A process per job would pay for its
// start and, above all, for faulting in all the memory a job uses afresh every time; a worker
// reuses its memory from one job to the next, and its memory still stays bounded by the
// largest job it ran.
//
// The workers take their jobs themselves, from a job counter in memory they share with the
// parent, and send each result through a socket of their own. No worker ever waits for the
// parent to hand it work, and while many jobs remain the parent collects results a few at a
// time: on a machine whose cores are all busy with workers, every time the parent is woken
// is time taken from a worker.
//
// A worker that dies (a crash in a job) takes only the job it was running with it: that job
// ends without a result and a fresh worker takes its place for the jobs that remain.

#include <sys/types.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace armakon::tool {

class WorkerPool {
 public:
  // work(index) runs inside a worker and returns the result text of job index.
  using Work = std::function<std::string(std::size_t)>;
  // How a job ended: with the result text of its worker, by the death of its worker, or
  // without a worker because none could be started.
  struct Outcome {
    enum class Kind { Done, WorkerDied, NoWorker } kind = Kind::Done;
    std::string result;
  };
  // finished(index, outcome) runs in the parent as each job ends, once for every job.
  using Finished = std::function<void(std::size_t, const Outcome&)>;

  WorkerPool(std::size_t jobCount, unsigned workers, Work work);
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;
  ~WorkerPool();

  // Runs every job, at most `workers` at a time, and returns when all have ended. Workers
  // still ending then are waited for when the pool is destroyed.
  void run(const Finished& finished);

 private:
  using Counter = std::atomic<std::uint64_t>;
  struct Worker {
    pid_t pid = -1;
    int socket = -1;      // the parent's end
    unsigned seat = 0;    // which of the shared "running" counters is its own
    std::string received;  // result bytes read and not yet taken
  };

  // The counters shared with the workers: the next job to take, and per seat the job its
  // worker took last.
  Counter& nextJob() const { return shared_[0]; }
  Counter& runningOn(unsigned seat) const { return shared_[1 + seat]; }
  bool jobsUntaken() const;

  bool start();
  [[noreturn]] void serve(int socket, unsigned seat);
  // Reads what the worker sent; true when the worker is still there.
  bool receive(Worker& worker, const Finished& finished);
  // A worker that is gone: the job it was running, if any, ends without a result.
  void bury(Worker& worker, const Finished& finished);
  void stop(Worker& worker);
  void end(std::size_t job, const Outcome& outcome, const Finished& finished);

  std::size_t jobCount_;
  unsigned maxWorkers_;
  Work work_;
  Counter* shared_ = nullptr;  // null when the shared memory could not be had
  std::vector<Worker> workers_;
  std::vector<bool> ended_;
  std::size_t endedCount_ = 0;
  std::size_t startsLeft_ = 0;
};

}  // namespace armakon::tool
