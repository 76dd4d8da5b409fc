#pragma once
#include <string>
#include <vector>

namespace sys {

// Lower-cases ASCII letters and the Latin-1 capitals (À..Þ except ×) of a
// UTF-8 text and returns it as code points, for comparing names.
std::u32string foldCase(const std::string& utf8);

// A directory-search pattern with * (any run of characters) and ? (one
// character), compared without regard to letter case. The pattern is split
// once into the fixed pieces between its stars; a match then places each
// piece at its leftmost fit, so the cost is linear in the pattern and at most
// quadratic in the (file-system bounded) name, however many stars there are.
class Wildcard {
 public:
  explicit Wildcard(const std::string& pattern);
  bool matches(const std::string& name) const;

 private:
  bool matchesFolded(const std::u32string& name) const;

  bool hasStar_ = false;
  std::vector<std::u32string> pieces_;  // with a star: first, middle..., last
  size_t fixedLength_ = 0;              // characters the pieces need in all
};

}  // namespace sys
