#pragma once
// The shared regular-expression engine: one wrapper over PCRE2 used by every routine that matches
// or replaces text (paragraph markup, search, highlighting, clean-up of saved pages, the update
// check). Case-insensitive (Cyrillic included), ECMAScript-like patterns, replace-all with $1..$99.
//
// Users set their own pattern before each use (SetPattern); compiled patterns are cached, so
// setting the same pattern again is cheap.
//
// Time: a match first runs with a small step allowance. One that needs more runs again from the
// same place in a form of the pattern that reports back while it works, so that a MatchDeadline
// (SetDeadline) can stop it from inside; without a deadline it runs on to PCRE2's default limit.

#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ground/match_deadline.h"

namespace orvelis {

struct RegexMatch {
  std::size_t position = 0;  // byte offset in the subject
  std::size_t length = 0;
  // Captured groups 1..n; an unset group is empty with `set` false.
  struct Group {
    std::size_t position = 0;
    std::size_t length = 0;
    bool set = false;
  };
  std::vector<Group> groups;
};

class RegexEngine {
 public:
  RegexEngine();
  ~RegexEngine();
  RegexEngine(const RegexEngine&) = delete;
  RegexEngine& operator=(const RegexEngine&) = delete;

  // Compiles (or fetches) the pattern. False when it does not compile; the engine then matches
  // nothing until the next successful SetPattern.
  bool SetPattern(std::string_view pattern);
  const std::string& CompileError() const { return compileError_; }
  int GroupCount() const;

  // Every call below clears and may set LimitHit(): the match or depth limit was reached, so the
  // result is incomplete and callers treat the pattern as rejected. They also clear and may set
  // DeadlinePassed(): the deadline stopped them, so the result is incomplete too.
  bool Test(std::string_view subject);
  std::size_t CountMatches(std::string_view subject);
  std::vector<RegexMatch> Execute(std::string_view subject);
  // Every non-overlapping match replaced; "$n"/"$nn" insert groups, "$$" a dollar, "$&" the match.
  std::string ReplaceAll(std::string_view subject, std::string_view replacement);
  // The same, except that a match for which `replaceIf` answers false is left as it is (the
  // matches are the same either way: a match left alone is still passed over).
  using MatchFilter = std::function<bool(const RegexMatch&)>;
  std::string ReplaceAll(std::string_view subject, std::string_view replacement, const MatchFilter& replaceIf);
  bool LimitHit() const { return limitHit_; }
  bool DeadlinePassed() const { return deadlinePassed_; }

  // The deadline every later match answers to, until it is replaced; null for none. The engine
  // does not own it.
  void SetDeadline(MatchDeadline* deadline) { deadline_ = deadline; }
  MatchDeadline* Deadline() const { return deadline_; }

 private:
  struct Compiled;
  struct Matcher;
  template <typename OnMatch>
  void ForEachMatch(std::string_view subject, OnMatch&& onMatch);
  int MatchFrom(std::string_view subject, std::size_t offset);
  RegexMatch MatchOf(const std::size_t* ovector) const;
  int MatchLong(std::string_view subject, std::size_t offset);

  std::unique_ptr<Matcher> matcher_;
  std::unordered_map<std::string, std::shared_ptr<Compiled>> cache_;
  std::list<std::string> cacheOrder_;  // least recently set first
  std::shared_ptr<Compiled> current_;
  std::string pattern_;
  std::string compileError_;
  bool limitHit_ = false;
  bool deadlinePassed_ = false;
  MatchDeadline* deadline_ = nullptr;
};

// Sets a deadline on the engine for one scope and puts the previous one back after it.
class ScopedMatchDeadline {
 public:
  ScopedMatchDeadline(RegexEngine& regex, MatchDeadline* deadline) : regex_(regex), previous_(regex.Deadline()) {
    regex.SetDeadline(deadline);
  }
  ~ScopedMatchDeadline() { regex_.SetDeadline(previous_); }
  ScopedMatchDeadline(const ScopedMatchDeadline&) = delete;
  ScopedMatchDeadline& operator=(const ScopedMatchDeadline&) = delete;

 private:
  RegexEngine& regex_;
  MatchDeadline* previous_;
};

// Escapes every character that has a meaning in a pattern.
std::string RegexEscape(std::string_view text);

}  // namespace orvelis
