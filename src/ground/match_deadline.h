#pragma once
// A time limit for pattern matching, set on the regular-expression engine for the span of one
// piece of work (a whole query, the highlighting of a results page). The clock is injectable so
// that tests decide exactly when the limit passes.

#include <chrono>
#include <functional>
#include <utility>

namespace orvelis {

class MatchDeadline {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // Which matches the deadline stops. Every: all matching ends once it has passed (the search's
  // whole-query budget). LongOnly: only matches that need more than the engine's quick step
  // allowance are given up, so ordinary work is never cut however long it takes in total.
  enum class Reach { Every, LongOnly };

  explicit MatchDeadline(std::chrono::steady_clock::duration budget, Reach reach = Reach::Every, Clock clock = {})
      : clock_(clock ? std::move(clock) : Clock(&std::chrono::steady_clock::now)),
        end_(clock_() + budget),
        reach_(reach) {}

  // Reads the clock; once the deadline has passed it stays passed without further readings.
  bool Passed() {
    if (!passed_ && clock_() >= end_) passed_ = true;
    return passed_;
  }
  Reach reach() const { return reach_; }
  std::chrono::steady_clock::time_point Now() const { return clock_(); }
  // Moves the end later by time that was not spent matching (the reader answering a message).
  void Postpone(std::chrono::steady_clock::duration pause) {
    if (!passed_) end_ += pause;
  }

 private:
  Clock clock_;
  std::chrono::steady_clock::time_point end_;
  Reach reach_;
  bool passed_ = false;
};

}  // namespace orvelis
