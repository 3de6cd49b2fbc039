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
  std::size_t next = 0;
  for (;;) {
    // Every idle worker gets the next job; more workers start while jobs wait.
    while (next < jobCount_) {
      auto idle = std::find_if(workers_.begin(), workers_.end(), [](const Worker& w) { return !w.job; });
      if (idle == workers_.end()) {
        if (workers_.size() >= maxWorkers_) break;
        if (!start()) {
          if (!workers_.empty()) break;  // the running ones carry on
          finished(next++, {Outcome::Kind::NoWorker, {}});
          continue;
        }
        idle = workers_.end() - 1;
      }
      if (!assign(*idle, next)) {
        stop(*idle);
        workers_.erase(idle);
        finished(next, {Outcome::Kind::WorkerDied, {}});
      }
      ++next;
    }

    std::vector<pollfd> busy;
    for (const Worker& worker : workers_) {
      if (worker.job) busy.push_back({worker.socket, POLLIN, 0});
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
        stop(*it);
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
    const std::string result = work_(static_cast<std::size_t>(job));
    const ResultSize size = static_cast<ResultSize>(result.size());
    if (!sendAll(socket, reinterpret_cast<const char*>(&size), sizeof size) ||
        !sendAll(socket, result.data(), size)) {
      ::_exit(2);
    }
  }
}

bool WorkerPool::assign(Worker& worker, std::size_t job) {
  const JobNumber number = job;
  if (!sendAll(worker.socket, reinterpret_cast<const char*>(&number), sizeof number)) return false;
  worker.job = job;
  return true;
}

bool WorkerPool::receive(Worker& worker, const Finished& finished) {
  char buffer[4096];
  const ssize_t n = ::recv(worker.socket, buffer, sizeof buffer, 0);
  if (n < 0 && errno == EINTR) return true;
  if (n <= 0) {
    finished(*worker.job, {Outcome::Kind::WorkerDied, {}});
    return false;
  }
  worker.received.append(buffer, static_cast<std::size_t>(n));
  if (worker.received.size() < sizeof(ResultSize)) return true;
  ResultSize size = 0;
  std::memcpy(&size, worker.received.data(), sizeof size);
  if (worker.received.size() < sizeof size + size) return true;
  const std::size_t job = *worker.job;
  worker.job.reset();
  Outcome outcome{Outcome::Kind::Done, worker.received.substr(sizeof size, size)};
  worker.received.clear();
  finished(job, outcome);
  return true;
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
