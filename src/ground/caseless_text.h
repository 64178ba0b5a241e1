#pragma once
// Text that grows by appending and is asked, again and again, whether it holds a piece without
// regard to case. Asking FindIgnoreCase each time costs a walk over the whole text, code point by
// code point; this keeps the text folded as it grows, so each question is one byte search.

#include <string>
#include <string_view>

namespace orvelis {

class CaselessText {
 public:
  // Pieces must be whole UTF-8 text (no code point cut between two pieces).
  void Append(std::string_view piece);
  const std::string& Text() const { return text_; }
  bool Empty() const { return text_.empty(); }

  // The same answer as FindIgnoreCase(Text(), needle) != npos.
  bool Contains(std::string_view needle) const;

 private:
  std::string text_;
  std::string asciiLowered_;  // what an all-ASCII needle is compared with: ASCII case folded only
  std::string upperFolded_;   // every code point upper-cased, as any other needle is compared
};

}  // namespace orvelis
