// fuzz-sources: framework/text.cpp
// The case-insensitive search and replace (text before the input's first zero
// byte, then `what`, a zero byte, `with`) against a model that walks the text
// character by character: a match begins and ends on character boundaries of
// the text, single bytes compare without case for A-Z only, double-byte
// characters compare exactly; the replacement never leaves half a character;
// an empty `what` is found at the first character from where the search starts
// and replaces nothing.
#include "framework/text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool matchesAt(const std::string& s, const std::vector<bool>& starts, std::size_t at,
               const std::string& what) {
  if (what.empty() || at + what.size() > s.size()) return false;
  if (!starts[at] || !starts[at + what.size()]) return false;
  const std::vector<bool> whatStarts = fuzz::characterStarts(what);
  for (std::size_t j = 0; j < what.size(); ++j) {
    if (whatStarts[j] != starts[at + j]) return false;   // the same characters
    const bool single = whatStarts[j] && whatStarts[j + 1];
    if (single ? upper(s[at + j]) != upper(what[j]) : s[at + j] != what[j]) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string s, rest, what, with;
  fuzz::cutAtZero(fuzz::text(data, size), s, rest);
  fuzz::cutAtZero(rest, what, with);
  const std::vector<bool> starts = fuzz::characterStarts(s);

  for (std::size_t from : {std::size_t{0}, s.size() / 2}) {
    // An empty `what` is found at the first character at or after `from`.
    std::size_t expected = std::string::npos;
    for (std::size_t i = from; i < s.size(); ++i) {
      if (what.empty() ? starts[i] : matchesAt(s, starts, i, what)) {
        expected = i;
        break;
      }
    }
    FUZZ_CHECK(fw::findNoCase(s, what, from) == expected);
  }

  std::string replaced;
  for (std::size_t i = 0; i < s.size();) {
    if (matchesAt(s, starts, i, what)) {
      replaced += with;
      i += what.size();
    } else {
      replaced += s[i++];
      while (i < s.size() && !starts[i]) replaced += s[i++];
    }
  }
  FUZZ_CHECK(fw::replaceNoCase(s, what, with) == replaced);
  return 0;
}
