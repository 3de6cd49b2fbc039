// The worker processes of the batch check: every job ends exactly once, with its own result,
// whatever the number of workers and whichever workers die on the way.
#include <gtest/gtest.h>
#include <signal.h>

#include <set>
#include <string>
#include <vector>

#include "tools/armakon/WorkerPool.h"

namespace armakon::tool {
namespace {

using Kind = WorkerPool::Outcome::Kind;

TEST(WorkerPool, EveryJobEndsOnceAndOnlyCrashedJobsAreLost) {
  struct Row {
    const char* what;
    std::size_t jobs;
    unsigned workers;
    std::set<std::size_t> crashing;  // jobs whose worker dies in them
  };
  const std::vector<Row> rows = {
      {"no job", 0, 2, {}},
      {"one worker", 7, 1, {}},
      {"more workers than jobs", 3, 8, {}},
      {"results longer than one read", 5, 2, {}},
      // A lone worker's death must not end the batch: a fresh worker takes the jobs left.
      {"a fresh worker takes over", 6, 1, {2}},
      {"crashes back to back", 9, 2, {3, 4, 5}},
      {"the first and the last job crash", 5, 2, {0, 4}},
      {"every job crashes", 4, 2, {0, 1, 2, 3}},
  };
  for (const Row& row : rows) {
    // Results of 6000 bytes arrive in several reads and may share a read with the next one.
    const std::size_t length = row.what == std::string("results longer than one read") ? 6000 : 3;
    const auto work = [&](std::size_t job) {
      if (row.crashing.count(job) != 0) ::raise(SIGKILL);
      return std::to_string(job) + std::string(length, 'r');
    };
    std::vector<int> ended(row.jobs, 0);
    WorkerPool(row.jobs, row.workers, work).run([&](std::size_t job, const WorkerPool::Outcome& outcome) {
      ASSERT_LT(job, row.jobs) << row.what;
      ++ended[job];
      if (row.crashing.count(job) != 0) {
        EXPECT_EQ(outcome.kind, Kind::WorkerDied) << row.what << ", job " << job;
      } else {
        EXPECT_EQ(outcome.kind, Kind::Done) << row.what << ", job " << job;
        EXPECT_EQ(outcome.result, std::to_string(job) + std::string(length, 'r')) << row.what << ", job " << job;
      }
    });
    for (std::size_t job = 0; job < row.jobs; ++job) EXPECT_EQ(ended[job], 1) << row.what << ", job " << job;
  }
}

}  // namespace
}  // namespace armakon::tool
