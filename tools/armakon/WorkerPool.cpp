#include "tools/armakon/WorkerPool.h"

#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

namespace armakon::tool {

namespace {

// A worker sends each result as the job's number, the length of the result text and the text.
// Both ends are processes of this program, so the numbers travel in memory layout.
using JobNumber = std::uint64_t;
using ResultSize = std::uint32_t;

constexpr std::uint64_t kNoJob = ~std::uint64_t{0};
// How long the parent lets results gather while many jobs are open: long enough to take
// several results at one wake, short enough for the progress bar to move smoothly.
constexpr useconds_t kGatherMicroseconds = 10000;

// MSG_NOSIGNAL: a peer that has gone away makes the call fail instead of killing the process.
bool sendAll(int socket, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::send(socket, data, size, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

WorkerPool::WorkerPool(std::size_t jobCount, unsigned workers, Work work)
    : jobCount_(jobCount), maxWorkers_(std::max(1u, workers)), work_(std::move(work)) {
  static_assert(Counter::is_always_lock_free, "counters shared between processes must not hide a lock");
  const std::size_t bytes = sizeof(Counter) * (1 + maxWorkers_);
  void* memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) return;
  shared_ = static_cast<Counter*>(memory);
  for (std::size_t i = 0; i <= maxWorkers_; ++i) new (&shared_[i]) Counter(i == 0 ? 0 : kNoJob);
}

WorkerPool::~WorkerPool() {
  for (Worker& worker : workers_) stop(worker);
  if (shared_ != nullptr) ::munmap(shared_, sizeof(Counter) * (1 + maxWorkers_));
}

bool WorkerPool::jobsUntaken() const { return shared_ == nullptr || nextJob().load() < jobCount_; }

void WorkerPool::run(const Finished& finished) {
  ended_.assign(jobCount_, false);
  endedCount_ = 0;
  startsLeft_ = maxWorkers_;
  for (;;) {
    // Workers start while jobs wait to be taken, fresh ones in the seats of those that died.
    while (jobsUntaken() && workers_.size() < maxWorkers_ && startsLeft_ > 0 && start()) --startsLeft_;
    // Workers that ran the last jobs end by themselves; they are reaped when the pool goes,
    // so the caller's work after the batch need not wait for them to give back their memory.
    if (workers_.empty() || endedCount_ == jobCount_) break;

    std::vector<pollfd> polled;
    for (const Worker& worker : workers_) polled.push_back({worker.socket, POLLIN, 0});
    if (::poll(polled.data(), polled.size(), -1) < 0) {
      if (errno == EINTR) continue;
      // Polling failed: every worker is read, each read waiting for its worker.
      for (pollfd& p : polled) p.revents = POLLIN;
    }
    std::size_t index = 0;
    for (auto it = workers_.begin(); it != workers_.end(); ++index) {
      if (polled[index].revents == 0 || receive(*it, finished)) {
        ++it;
      } else {
        bury(*it, finished);
        it = workers_.erase(it);
      }
    }
    // While more jobs are open than workers run, the results are left to gather for a moment;
    // the last ones are taken as they come, so the batch ends as soon as its last job does.
    if (!workers_.empty() && jobCount_ - endedCount_ > workers_.size()) ::usleep(kGatherMicroseconds);
  }
  // The jobs no worker could take end without one; a job taken by a worker that died before
  // its seat said so ends as that worker's.
  while (shared_ != nullptr && jobsUntaken()) {
    const std::uint64_t job = nextJob().fetch_add(1);
    if (job < jobCount_) end(static_cast<std::size_t>(job), {Outcome::Kind::NoWorker, {}}, finished);
  }
  for (std::size_t job = 0; job < jobCount_; ++job) {
    if (!ended_[job]) end(job, {shared_ == nullptr ? Outcome::Kind::NoWorker : Outcome::Kind::WorkerDied, {}}, finished);
  }
}

bool WorkerPool::start() {
  if (shared_ == nullptr) return false;
  unsigned seat = 0;
  while (std::any_of(workers_.begin(), workers_.end(), [&](const Worker& w) { return w.seat == seat; })) ++seat;
  runningOn(seat).store(kNoJob);
  int sockets[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, sockets) != 0) return false;
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = ::fork();
  if (pid < 0) {
    ::close(sockets[0]);
    ::close(sockets[1]);
    return false;
  }
  if (pid == 0) {
    ::close(sockets[0]);
    // The parent must see the end of a worker's stream when that worker ends.
    for (const Worker& other : workers_) ::close(other.socket);
    serve(sockets[1], seat);
  }
  ::close(sockets[1]);
  Worker worker;
  worker.pid = pid;
  worker.socket = sockets[0];
  worker.seat = seat;
  workers_.push_back(std::move(worker));
  return true;
}

void WorkerPool::serve(int socket, unsigned seat) {
  for (;;) {
    const std::uint64_t job = nextJob().fetch_add(1);
    if (job >= jobCount_) ::_exit(0);  // no more jobs
    runningOn(seat).store(job);
    const std::string result = work_(static_cast<std::size_t>(job));
    // Job, length and text in one message: the parent is woken once per result.
    const JobNumber number = job;
    const ResultSize size = static_cast<ResultSize>(result.size());
    std::string message(reinterpret_cast<const char*>(&number), sizeof number);
    message.append(reinterpret_cast<const char*>(&size), sizeof size);
    message.append(result, 0, size);
    if (!sendAll(socket, message.data(), message.size())) ::_exit(2);
  }
}

bool WorkerPool::receive(Worker& worker, const Finished& finished) {
  // Everything the worker has sent so far; results of several jobs may have gathered.
  bool open = true;
  for (int flags = 0;; flags = MSG_DONTWAIT) {
    char buffer[4096];
    const ssize_t n = ::recv(worker.socket, buffer, sizeof buffer, flags);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    if (n <= 0) {
      open = false;
      break;
    }
    worker.received.append(buffer, static_cast<std::size_t>(n));
  }
  constexpr std::size_t header = sizeof(JobNumber) + sizeof(ResultSize);
  while (worker.received.size() >= header) {
    JobNumber job = 0;
    ResultSize size = 0;
    std::memcpy(&job, worker.received.data(), sizeof job);
    std::memcpy(&size, worker.received.data() + sizeof job, sizeof size);
    if (worker.received.size() < header + size) break;
    // A result for a job that is not open: the worker is not to be trusted any further.
    if (job >= jobCount_ || ended_[job]) return false;
    end(job, {Outcome::Kind::Done, worker.received.substr(header, size)}, finished);
    worker.received.erase(0, header + size);
  }
  return open;
}

void WorkerPool::bury(Worker& worker, const Finished& finished) {
  stop(worker);
  const std::uint64_t job = runningOn(worker.seat).load();
  if (job < jobCount_ && !ended_[job]) end(static_cast<std::size_t>(job), {Outcome::Kind::WorkerDied, {}}, finished);
}

void WorkerPool::end(std::size_t job, const Outcome& outcome, const Finished& finished) {
  ended_[job] = true;
  ++endedCount_;
  // Only a worker lost in a job is replaced, so that workers that die before they take any
  // job cannot keep the batch starting new ones for ever.
  if (outcome.kind == Outcome::Kind::WorkerDied) ++startsLeft_;
  finished(job, outcome);
}

void WorkerPool::stop(Worker& worker) {
  if (worker.socket >= 0) ::close(worker.socket);
  worker.socket = -1;
  if (worker.pid > 0) {
    int status = 0;
    while (::waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  worker.pid = -1;
}

}  // namespace armakon::tool
