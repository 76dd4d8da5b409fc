#include "sys/Wildcard.h"

namespace sys {
namespace {

// Whether the piece fits the name at position at (? fits any character).
bool fitsAt(const std::u32string& piece, const std::u32string& name, size_t at) {
  if (at + piece.size() > name.size()) return false;
  for (size_t k = 0; k < piece.size(); ++k)
    if (piece[k] != U'?' && piece[k] != name[at + k]) return false;
  return true;
}

}  // namespace

std::u32string foldCase(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    char32_t cp = b0;
    int len = 1;
    if ((b0 >> 5) == 6 && i + 1 < s.size()) {
      cp = ((b0 & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
      len = 2;
    }
    if (cp >= 'A' && cp <= 'Z') cp += 32;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) cp += 32;
    out += cp;
    i += static_cast<size_t>(len);
  }
  return out;
}

Wildcard::Wildcard(const std::string& pattern) {
  std::u32string piece;
  for (char32_t c : foldCase(pattern)) {
    if (c == U'*') {
      hasStar_ = true;
      pieces_.push_back(std::move(piece));
      piece.clear();
    } else {
      piece += c;
      ++fixedLength_;
    }
  }
  pieces_.push_back(std::move(piece));
}

bool Wildcard::matches(const std::string& name) const {
  return matchesFolded(foldCase(name));
}

bool Wildcard::matchesFolded(const std::u32string& name) const {
  if (!hasStar_) return name.size() == fixedLength_ && fitsAt(pieces_.front(), name, 0);
  if (fixedLength_ > name.size()) return false;
  // The first piece is anchored at the start and the last at the end; the
  // middle pieces go, in order, to their leftmost fit in between. Taking the
  // leftmost fit never loses a match, because it leaves the most room for
  // the pieces after it.
  const std::u32string& first = pieces_.front();
  const std::u32string& last = pieces_.back();
  const size_t end = name.size() - last.size();
  if (!fitsAt(first, name, 0) || !fitsAt(last, name, end)) return false;
  size_t at = first.size();
  for (size_t i = 1; i + 1 < pieces_.size(); ++i) {
    const std::u32string& piece = pieces_[i];
    while (at + piece.size() <= end && !fitsAt(piece, name, at)) ++at;
    if (at + piece.size() > end) return false;
    at += piece.size();
  }
  return true;
}

}  // namespace sys
