#include "tools/armakon/WorkerPool.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

namespace armakon::tool {

namespace {

// The parent sends a job number; the worker answers with the length of the result text and
// the text. Both ends are processes of this program, so the numbers travel in memory layout.
using JobNumber = std::uint64_t;
using ResultSize = std::uint32_t;

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

// False at the end of the stream or on an error.
bool receiveAll(int socket, char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::recv(socket, data, size, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

WorkerPool::WorkerPool(std::size_t jobCount, unsigned workers, Work work)
    : jobCount_(jobCount), maxWorkers_(std::max(1u, workers)), work_(std::move(work)) {}

WorkerPool::~WorkerPool() {
  for (Worker& worker : workers_) stop(worker);
}

void WorkerPool::run(const Finished& finished) {
  for (;;) {
    // Every worker is kept supplied; more workers start while jobs wait.
    for (auto it = workers_.begin(); it != workers_.end();) {
      if (supply(*it)) {
        ++it;
      } else {
        bury(*it, finished);
        it = workers_.erase(it);
      }
    }
    while (jobsLeft() && workers_.size() < maxWorkers_) {
      if (!start()) {
        if (!workers_.empty()) break;  // the running ones carry on
        finished(takeJob(), {Outcome::Kind::NoWorker, {}});
        continue;
      }
      if (!supply(workers_.back())) {
        bury(workers_.back(), finished);
        workers_.pop_back();
      }
    }

    std::vector<pollfd> busy;
    for (const Worker& worker : workers_) {
      if (!worker.jobs.empty()) busy.push_back({worker.socket, POLLIN, 0});
    }
    if (busy.empty()) break;  // every job handed out has ended, and none is left
    if (::poll(busy.data(), busy.size(), -1) < 0) {
      if (errno == EINTR) continue;
      // Polling failed: every busy worker is read, each read waiting for its worker.
      for (pollfd& polled : busy) polled.revents = POLLIN;
    }
    for (auto it = workers_.begin(); it != workers_.end();) {
      const auto polled = std::find_if(busy.begin(), busy.end(), [&](const pollfd& p) { return p.fd == it->socket; });
      if (polled == busy.end() || polled->revents == 0 || receive(*it, finished)) {
        ++it;
      } else {
        bury(*it, finished);
        it = workers_.erase(it);
      }
    }
  }
  for (Worker& worker : workers_) stop(worker);
  workers_.clear();
}

bool WorkerPool::start() {
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
    // The other workers must see the end of their stream when the parent closes its end.
    for (const Worker& other : workers_) ::close(other.socket);
    serve(sockets[1]);
  }
  ::close(sockets[1]);
  Worker worker;
  worker.pid = pid;
  worker.socket = sockets[0];
  workers_.push_back(std::move(worker));
  return true;
}

void WorkerPool::serve(int socket) {
  for (;;) {
    JobNumber job = 0;
    if (!receiveAll(socket, reinterpret_cast<char*>(&job), sizeof job)) ::_exit(0);  // no more jobs
    // Length and text in one message: the parent wakes once per result.
    const std::string result = work_(static_cast<std::size_t>(job));
    const ResultSize size = static_cast<ResultSize>(result.size());
    std::string message(reinterpret_cast<const char*>(&size), sizeof size);
    message.append(result, 0, size);
    if (!sendAll(socket, message.data(), message.size())) ::_exit(2);
  }
}

bool WorkerPool::jobsLeft() const { return !givenBack_.empty() || nextJob_ < jobCount_; }

std::size_t WorkerPool::takeJob() {
  if (givenBack_.empty()) return nextJob_++;
  const std::size_t job = givenBack_.front();
  givenBack_.pop_front();
  return job;
}

bool WorkerPool::supply(Worker& worker) {
  for (;;) {
    const std::size_t waiting = givenBack_.size() + (jobCount_ - nextJob_);
    const std::size_t wanted = waiting > workers_.size() ? 2 : 1;
    if (waiting == 0 || worker.jobs.size() >= wanted) return true;
    // The job counts as the worker's even when handing it over fails: a worker that cannot
    // take its first job thereby uses it up, so that a batch ends even when every fresh worker
    // dies at once.
    worker.jobs.push_back(takeJob());
    const JobNumber number = worker.jobs.back();
    if (!sendAll(worker.socket, reinterpret_cast<const char*>(&number), sizeof number)) return false;
  }
}

bool WorkerPool::receive(Worker& worker, const Finished& finished) {
  char buffer[4096];
  const ssize_t n = ::recv(worker.socket, buffer, sizeof buffer, 0);
  if (n < 0 && errno == EINTR) return true;
  if (n <= 0) return false;
  worker.received.append(buffer, static_cast<std::size_t>(n));
  // A worker that holds two jobs may have sent both results by now.
  for (;;) {
    ResultSize size = 0;
    if (worker.received.size() < sizeof size) return true;
    std::memcpy(&size, worker.received.data(), sizeof size);
    if (worker.received.size() < sizeof size + size) return true;
    if (worker.jobs.empty()) return false;  // a result for no job: the worker is not ours to trust
    const std::size_t job = worker.jobs.front();
    worker.jobs.pop_front();
    const Outcome outcome{Outcome::Kind::Done, worker.received.substr(sizeof size, size)};
    worker.received.erase(0, sizeof size + size);
    finished(job, outcome);
  }
}

void WorkerPool::bury(Worker& worker, const Finished& finished) {
  stop(worker);
  if (worker.jobs.empty()) return;
  const std::size_t died = worker.jobs.front();
  worker.jobs.pop_front();
  givenBack_.insert(givenBack_.begin(), worker.jobs.begin(), worker.jobs.end());
  worker.jobs.clear();
  finished(died, {Outcome::Kind::WorkerDied, {}});
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
