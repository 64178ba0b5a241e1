// Times whole processes from their start to their exit: each command is started directly (no
// shell in between), with its output thrown away, once to warm the caches and then RUNS times.
// Two or more commands are run in turns, so that a machine that slows down or speeds up part way
// through weighs on all of them alike. Prints the median of each in microseconds, one per line.
//   process_timer RUNS -- COMMAND [ARG...] [-- COMMAND [ARG...]]...

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Microseconds from spawning the command to its exit; -1 when it cannot be started.
long long TimeOnce(const std::vector<char*>& argv) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
  std::vector<std::vector<char*>> commands;
  for (int i = 2; i < argc; ++i) {
    if (std::string(argv[i]) == "--") {
      commands.emplace_back();
    } else if (!commands.empty()) {
      commands.back().push_back(argv[i]);
    }
  }
  if (runs < 1 || commands.empty() || std::any_of(commands.begin(), commands.end(), [](auto& c) { return c.empty(); })) {
    std::fprintf(stderr, "usage: process_timer RUNS -- COMMAND [ARG...] [-- COMMAND [ARG...]]...\n");
    return 2;
  }
  for (auto& command : commands) command.push_back(nullptr);
  std::vector<std::vector<long long>> times(commands.size());
  for (int run = 0; run <= runs; ++run) {
    for (std::size_t c = 0; c < commands.size(); ++c) {
      const long long us = TimeOnce(commands[c]);
      if (us < 0) {
        std::fprintf(stderr, "process_timer: cannot start %s\n", commands[c][0]);
        return 2;
      }
      if (run > 0) times[c].push_back(us);  // the first turn only warms the caches
    }
  }
  for (auto& t : times) {
    std::sort(t.begin(), t.end());
    const std::size_t n = t.size();
    std::printf("%lld\n", n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2);
  }
  return 0;
}
