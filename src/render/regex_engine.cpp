#include "render/regex_engine.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>

namespace orvelis {
namespace {

constexpr std::size_t kCacheSize = 128;
constexpr std::size_t kJitStackMax = 4 * 1024 * 1024;

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

}  // namespace

struct RegexEngine::Compiled {
  pcre2_code* code = nullptr;
  int groups = 0;
  ~Compiled() { pcre2_code_free(code); }
};

struct RegexEngine::Matcher {
  pcre2_match_context* context = pcre2_match_context_create(nullptr);
  pcre2_jit_stack* jitStack = pcre2_jit_stack_create(32 * 1024, kJitStackMax, nullptr);
  pcre2_match_data* data = nullptr;
  std::uint32_t dataPairs = 0;
  Matcher() { pcre2_jit_stack_assign(context, nullptr, jitStack); }
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
  PCRE2_SIZE errorOffset = 0;
  pcre2_compile_context* cc = pcre2_compile_context_create(nullptr);
  pcre2_set_newline(cc, PCRE2_NEWLINE_LF);
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), kCompileOptions,
                                   &errorCode, &errorOffset, cc);
  pcre2_compile_context_free(cc);
  if (!code) {
    PCRE2_UCHAR message[256];
    pcre2_get_error_message(errorCode, message, sizeof message);
    compileError_ = reinterpret_cast<const char*>(message);
    return false;
  }
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);  // falls back to the interpreter where JIT is missing
  auto compiled = std::make_shared<Compiled>();
  compiled->code = code;
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

// Calls onMatch(ovector) for every non-overlapping match, left to right; onMatch returns false to
// stop. An empty match moves the next search one character on, as ECMAScript's global flag does.
template <typename OnMatch>
void RegexEngine::ForEachMatch(std::string_view subject, OnMatch&& onMatch) {
  limitHit_ = false;
  if (!current_) return;
  pcre2_match_data* data = matcher_->DataFor(current_->groups);
  const auto* text = reinterpret_cast<PCRE2_SPTR>(subject.data());
  std::size_t offset = 0;
  while (offset <= subject.size()) {
    const int rc = pcre2_match(current_->code, text, subject.size(), offset, 0, data, matcher_->context);
    if (rc == PCRE2_ERROR_NOMATCH) return;
    if (rc < 0) {
      // A match, depth, heap or JIT-stack limit; any other failure is as untrustworthy.
      limitHit_ = true;
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

std::vector<RegexMatch> RegexEngine::Execute(std::string_view subject) {
  std::vector<RegexMatch> matches;
  const int groups = GroupCount();
  ForEachMatch(subject, [&](const PCRE2_SIZE* ov) {
    RegexMatch m;
    m.position = ov[0];
    m.length = ov[1] - ov[0];
    m.groups.resize(static_cast<std::size_t>(groups));
    for (int g = 1; g <= groups; ++g) {
      if (ov[2 * g] != PCRE2_UNSET) m.groups[g - 1] = {ov[2 * g], ov[2 * g + 1] - ov[2 * g], true};
    }
    matches.push_back(std::move(m));
    return true;
  });
  return matches;
}

std::string RegexEngine::ReplaceAll(std::string_view subject, std::string_view replacement) {
  std::string out;
  std::size_t copied = 0;
  const int groups = GroupCount();
  const bool plain = replacement.find('$') == std::string_view::npos;
  ForEachMatch(subject, [&](const PCRE2_SIZE* ov) {
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
