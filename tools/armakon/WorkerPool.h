#pragma once
// Worker processes for the batch check: a few long-lived processes that take job after job.
//
// Each worker is forked once and then runs job after job: the parent hands it job numbers
// through a socket, the worker answers each with the job's result text. A process per job
// would pay for its start and, above all, for faulting in all the memory a job uses afresh
// every time; a worker reuses its memory from one job to the next, and its memory still stays
// bounded by the largest job it ran.
//
// A worker holds the job it runs and the next one: when it sends a result it goes straight on,
// instead of idling until the parent has been scheduled to hand it more. On a machine whose
// cores are all busy with workers, that wait is most of what keeps the workers from scaling.
// Near the end of the batch a worker gets only one job at a time, so that no job queues behind
// another while a worker has nothing to do.
//
// A worker that dies (a crash in a job) takes only the job it was running with it: that job
// ends without a result, the job it held next goes to another worker, and a fresh worker takes
// its place for the jobs that remain.

#include <sys/types.h>

#include <cstddef>
#include <deque>
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

  // Runs every job, at most `workers` at a time, and returns when all have ended.
  void run(const Finished& finished);

 private:
  struct Worker {
    pid_t pid = -1;
    int socket = -1;                // the parent's end
    std::deque<std::size_t> jobs;  // handed to it, in the order it runs them; front: running
    std::string received;           // result bytes read and not yet taken
  };

  bool start();
  [[noreturn]] void serve(int socket);
  // The next job to hand out: one given back by a dead worker first, then the next new one.
  bool jobsLeft() const;
  std::size_t takeJob();
  // Hands jobs to the worker until it holds as many as it should; false when it is gone.
  bool supply(Worker& worker);
  // Reads what the worker sent; true when the worker is still usable.
  bool receive(Worker& worker, const Finished& finished);
  // Ends a worker that is gone: the job it ran died with it, the others are handed out again.
  void bury(Worker& worker, const Finished& finished);
  void stop(Worker& worker);

  std::size_t jobCount_;
  unsigned maxWorkers_;
  Work work_;
  std::vector<Worker> workers_;
  std::size_t nextJob_ = 0;
  std::deque<std::size_t> givenBack_;
};

}  // namespace armakon::tool
