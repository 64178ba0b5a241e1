#include "ground/regex_engine.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>

namespace orvelis {
namespace {

constexpr std::size_t kCacheSize = 128;
constexpr std::size_t kJitStackMax = 4 * 1024 * 1024;
constexpr std::uint32_t kMatchLimit = 10'000'000;  // PCRE2's default
// The steps a match may take before, under a deadline, it moves to the watched form. Ordinary
// queries, wildcards included, stay well below it on every page of the book; JIT code gets
// through it in well under a millisecond for the hostile patterns measured (docs/performance.md).
constexpr std::uint32_t kQuickMatchLimit = 10'000;
// The watched form reads the clock once per this many callouts: a few microseconds of matching.
constexpr unsigned kCalloutsPerClockReading = 1024;

// ECMAScript flavour: "$" only at the very end, "\u" escapes, "[]" as an empty class. No UCP, so
// \w, \d and \b stay ASCII as in ECMAScript; caseless still folds Cyrillic through UTF.
constexpr std::uint32_t kCompileOptions = PCRE2_UTF | PCRE2_CASELESS | PCRE2_DOLLAR_ENDONLY | PCRE2_ALT_BSUX |
                                          PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_INVALID_UTF;

// Length of the UTF-8 character at `pos`, so an empty match advances by a whole character.
std::size_t CharLength(std::string_view s, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  std::size_t n = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 1;
  return std::min(n, s.size() - pos);
}

pcre2_code* Compile(std::string_view pattern, std::uint32_t extraOptions, int& errorCode) {
  PCRE2_SIZE errorOffset = 0;
  pcre2_compile_context* cc = pcre2_compile_context_create(nullptr);
  pcre2_set_newline(cc, PCRE2_NEWLINE_LF);
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                   kCompileOptions | extraOptions, &errorCode, &errorOffset, cc);
  pcre2_compile_context_free(cc);
  return code;
}

struct CalloutWatch {
  MatchDeadline* deadline = nullptr;
  unsigned count = 0;
  bool passed = false;
};

int WatchDeadline(pcre2_callout_block*, void* data) {
  auto* watch = static_cast<CalloutWatch*>(data);
  if (++watch->count % kCalloutsPerClockReading != 0 || !watch->deadline->Passed()) return 0;
  watch->passed = true;
  return PCRE2_ERROR_CALLOUT;  // abandons the match
}

}  // namespace

struct RegexEngine::Compiled {
  pcre2_code* code = nullptr;
  bool jitted = false;
  // The same pattern with an automatic callout before every item, so a deadline can be read
  // while one long match runs. Compiled when first needed; null if it cannot be.
  pcre2_code* watched = nullptr;
  bool watchedTried = false;
  bool needsLong = false;  // some match has gone beyond the quick allowance
  int groups = 0;
  ~Compiled() {
    pcre2_code_free(code);
    pcre2_code_free(watched);
  }
};

struct RegexEngine::Matcher {
  pcre2_match_context* context = pcre2_match_context_create(nullptr);
  pcre2_jit_stack* jitStack = pcre2_jit_stack_create(32 * 1024, kJitStackMax, nullptr);
  pcre2_match_data* data = nullptr;
  std::uint32_t dataPairs = 0;
  CalloutWatch watch;
  Matcher() {
    pcre2_jit_stack_assign(context, nullptr, jitStack);
    pcre2_set_callout(context, WatchDeadline, &watch);
  }
  ~Matcher() {
    pcre2_match_data_free(data);
    pcre2_jit_stack_free(jitStack);
    pcre2_match_context_free(context);
  }
  pcre2_match_data* DataFor(int groups) {
    const auto pairs = static_cast<std::uint32_t>(groups + 1);
    if (!data || dataPairs < pairs) {
      pcre2_match_data_free(data);
      data = pcre2_match_data_create(pairs, nullptr);
      dataPairs = pairs;
    }
    return data;
  }
  int Run(const pcre2_code* code, std::string_view subject, std::size_t offset, std::uint32_t limit) {
    pcre2_set_match_limit(context, limit);
    return pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), offset, 0, data, context);
  }
};

RegexEngine::RegexEngine() : matcher_(std::make_unique<Matcher>()) {}
RegexEngine::~RegexEngine() = default;

bool RegexEngine::SetPattern(std::string_view pattern) {
  pattern_ = pattern;
  compileError_.clear();
  if (auto it = cache_.find(pattern_); it != cache_.end()) {
    current_ = it->second;
    cacheOrder_.remove(pattern_);
    cacheOrder_.push_back(pattern_);
    return true;
  }
  current_.reset();
  int errorCode = 0;
  pcre2_code* code = Compile(pattern, 0, errorCode);
  if (!code) {
    PCRE2_UCHAR message[256];
    pcre2_get_error_message(errorCode, message, sizeof message);
    compileError_ = reinterpret_cast<const char*>(message);
    return false;
  }
  auto compiled = std::make_shared<Compiled>();
  compiled->code = code;
  // Falls back to the interpreter where JIT is missing or the pattern is too large for it.
  compiled->jitted = pcre2_jit_compile(code, PCRE2_JIT_COMPLETE) == 0;
  std::uint32_t groups = 0;
  pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &groups);
  compiled->groups = static_cast<int>(groups);
  if (cache_.size() >= kCacheSize) {
    cache_.erase(cacheOrder_.front());
    cacheOrder_.pop_front();
  }
  cache_.emplace(pattern_, compiled);
  cacheOrder_.push_back(pattern_);
  current_ = std::move(compiled);
  return true;
}

int RegexEngine::GroupCount() const { return current_ ? current_->groups : 0; }

// One match attempt from `offset`, bounded as the class comment says. A negative result other
// than "no match" means the match was given up: DeadlinePassed() tells whether the deadline did it.
int RegexEngine::MatchFrom(std::string_view subject, std::size_t offset) {
  Compiled& c = *current_;
  if (!deadline_) return matcher_->Run(c.code, subject, offset, kMatchLimit);
  // Once the deadline has passed nothing runs under Every; under LongOnly a pattern that has needed
  // long matches gives up at once, since each quick attempt would first spend its allowance.
  const bool stopsAll = deadline_->reach() == MatchDeadline::Reach::Every;
  if ((stopsAll || c.needsLong) && deadline_->Passed()) {
    deadlinePassed_ = true;
    return PCRE2_ERROR_CALLOUT;
  }
  if (c.jitted) {
    const int rc = matcher_->Run(c.code, subject, offset, kQuickMatchLimit);
    if (rc != PCRE2_ERROR_MATCHLIMIT) return rc;
  }
  c.needsLong = true;
  return MatchLong(subject, offset);
}

// A match that needs more than the quick allowance (or has no JIT code, whose steps cost too much
// to allow unwatched): the watched form, from the same place, until the deadline or the limit.
int RegexEngine::MatchLong(std::string_view subject, std::size_t offset) {
  Compiled& c = *current_;
  if (deadline_->Passed()) {
    deadlinePassed_ = true;
    return PCRE2_ERROR_CALLOUT;
  }
  if (!c.watchedTried) {
    c.watchedTried = true;
    int errorCode = 0;
    c.watched = Compile(pattern_, PCRE2_AUTO_CALLOUT, errorCode);
    if (c.watched) pcre2_jit_compile(c.watched, PCRE2_JIT_COMPLETE);
  }
  if (!c.watched) return matcher_->Run(c.code, subject, offset, kQuickMatchLimit);
  matcher_->watch = {deadline_, 0, false};
  const int rc = matcher_->Run(c.watched, subject, offset, kMatchLimit);
  if (matcher_->watch.passed) deadlinePassed_ = true;
  matcher_->watch = {nullptr, 0, false};  // the deadline lives only as long as its piece of work
  return rc;
}

// Calls onMatch(ovector) for every non-overlapping match, left to right; onMatch returns false to
// stop. An empty match moves the next search one character on, as ECMAScript's global flag does.
template <typename OnMatch>
void RegexEngine::ForEachMatch(std::string_view subject, OnMatch&& onMatch) {
  limitHit_ = false;
  deadlinePassed_ = false;
  if (!current_) return;
  pcre2_match_data* data = matcher_->DataFor(current_->groups);
  std::size_t offset = 0;
  while (offset <= subject.size()) {
    const int rc = MatchFrom(subject, offset);
    if (rc == PCRE2_ERROR_NOMATCH) return;
    if (rc < 0) {
      // A match, depth, heap or JIT-stack limit; any other failure is as untrustworthy.
      if (!deadlinePassed_) limitHit_ = true;
      return;
    }
    const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(data);
    if (!onMatch(ov)) return;
    const std::size_t end = ov[1];
    if (ov[1] == ov[0]) {
      if (end >= subject.size()) return;
      offset = end + CharLength(subject, end);
    } else {
      offset = end;
    }
  }
}

bool RegexEngine::Test(std::string_view subject) {
  bool found = false;
  ForEachMatch(subject, [&](const PCRE2_SIZE*) {
    found = true;
    return false;
  });
  return found;
}

std::size_t RegexEngine::CountMatches(std::string_view subject) {
  std::size_t count = 0;
  ForEachMatch(subject, [&](const PCRE2_SIZE*) {
    ++count;
    return true;
  });
  return count;
}

RegexMatch RegexEngine::MatchOf(const PCRE2_SIZE* ov) const {
  const int groups = GroupCount();
  RegexMatch m;
  m.position = ov[0];
  m.length = ov[1] - ov[0];
  m.groups.resize(static_cast<std::size_t>(groups));
  for (int g = 1; g <= groups; ++g) {
    if (ov[2 * g] != PCRE2_UNSET) m.groups[g - 1] = {ov[2 * g], ov[2 * g + 1] - ov[2 * g], true};
  }
  return m;
}

std::vector<RegexMatch> RegexEngine::Execute(std::string_view subject) {
  std::vector<RegexMatch> matches;
  ForEachMatch(subject, [&](const PCRE2_SIZE* ov) {
    matches.push_back(MatchOf(ov));
    return true;
  });
  return matches;
}

std::string RegexEngine::ReplaceAll(std::string_view subject, std::string_view replacement) {
  return ReplaceAll(subject, replacement, MatchFilter());
}

std::string RegexEngine::ReplaceAll(std::string_view subject, std::string_view replacement,
                                    const MatchFilter& replaceIf) {
  std::string out;
  std::size_t copied = 0;
  const int groups = GroupCount();
  const bool plain = replacement.find('$') == std::string_view::npos;
  ForEachMatch(subject, [&](const PCRE2_SIZE* ov) {
    if (replaceIf && !replaceIf(MatchOf(ov))) return true;
    out.append(subject.substr(copied, ov[0] - copied));
    copied = ov[1];
    if (plain) {
      out.append(replacement);
      return true;
    }
    auto group = [&](int g) {
      if (ov[2 * g] != PCRE2_UNSET) out.append(subject.substr(ov[2 * g], ov[2 * g + 1] - ov[2 * g]));
    };
    for (std::size_t i = 0; i < replacement.size(); ++i) {
      const char c = replacement[i];
      const auto isDigit = [&](std::size_t at) { return at < replacement.size() && replacement[at] >= '0' && replacement[at] <= '9'; };
      if (c != '$' || i + 1 >= replacement.size()) {
        out.push_back(c);
      } else if (replacement[i + 1] == '$') {
        out.push_back('$');
        ++i;
      } else if (replacement[i + 1] == '&') {
        out.append(subject.substr(ov[0], ov[1] - ov[0]));
        ++i;
      } else if (isDigit(i + 1)) {
        // Two digits name a group when that group exists; otherwise one digit does (ECMAScript).
        const int one = replacement[i + 1] - '0';
        const int two = isDigit(i + 2) ? one * 10 + (replacement[i + 2] - '0') : -1;
        if (two >= 1 && two <= groups) {
          group(two);
          i += 2;
        } else if (one >= 1 && one <= groups) {
          group(one);
          i += 1;
        } else {
          out.push_back('$');
        }
      } else {
        out.push_back('$');
      }
    }
    return true;
  });
  if (limitHit_ && copied == 0 && out.empty()) return std::string(subject);
  out.append(subject.substr(std::min(copied, subject.size())));
  return out;
}

std::string RegexEscape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (std::string_view("\\^$.|?*+()[]{}/-").find(c) != std::string_view::npos) out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

}  // namespace orvelis
