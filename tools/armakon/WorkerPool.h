#pragma once
// Worker processes for the batch check: a few long-lived processes that take job after job.
//
// Each worker is forked once and then runs job after job: the parent hands it the number of
// the next job through a socket, the worker answers with the job's result text. A process
// per job would pay for its start and, above all, for faulting in all the memory a job uses
// afresh every time; a worker reuses its memory from one job to the next, and its memory
// still stays bounded by the largest job it ran. A worker that dies (a crash in a job) takes
// only its current job with it: that job ends without a result and a fresh worker takes its
// place for the jobs that remain.

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <optional>
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
  // finished(index, outcome) runs in the parent as each job ends.
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
    int socket = -1;                  // the parent's end
    std::optional<std::size_t> job;  // the job it runs, none while idle
    std::string received;             // result bytes read so far
  };

  bool start();
  [[noreturn]] void serve(int socket);
  bool assign(Worker& worker, std::size_t job);
  // Reads what the worker sent; true when the worker is still usable.
  bool receive(Worker& worker, const Finished& finished);
  void stop(Worker& worker);

  std::size_t jobCount_;
  unsigned maxWorkers_;
  Work work_;
  std::vector<Worker> workers_;
};

}  // namespace armakon::tool
