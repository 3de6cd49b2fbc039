#pragma once
// Runs another program as a whole process, for benchmarks that compare whole processes (the
// armakon tool against a system tool, a batch with one worker against two): wall time and
// the peak resident memory of the process and every process it waited for.

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace armakon::bench {

struct ProcessRun {
  bool started = false;
  int exitCode = -1;   // -1 when it did not end normally
  double seconds = 0.0;
  double peakMB = 0.0;  // largest resident set of the process or of one of its children
};

// Runs argv[0] (searched in PATH) with the arguments; its stdout and stderr are discarded.
inline ProcessRun RunProcess(const std::vector<std::string>& argv) {
  ProcessRun run;
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid < 0) return run;
  if (pid == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) {
      ::dup2(null, STDOUT_FILENO);
      ::dup2(null, STDERR_FILENO);
    }
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  if (::wait4(pid, &status, 0, &usage) != pid) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.started = true;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.peakMB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  return run;
}

}  // namespace armakon::bench
