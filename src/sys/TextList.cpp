#include "sys/TextList.h"

#include "sys/Cp1252.h"
#include "sys/FileIo.h"

namespace sys {

namespace {
const std::string kEmpty;
}

std::string TextList::get(int i) const {
  if (i < 0 || i >= Count()) return {};
  return lines_[head_ + static_cast<size_t>(i)];
}

const std::string& TextList::last() const {
  return empty() ? kEmpty : lines_.back();
}

const std::vector<std::string>& TextList::lines() const {
  compact();
  return lines_;
}

void TextList::set(int i, const std::string& line) {
  if (i < 0 || i >= Count()) return;
  lines_[head_ + static_cast<size_t>(i)] = line;
  changed();
}

void TextList::add(const std::string& line) {
  lines_.push_back(line);
  changed();
}

void TextList::insert(int i, const std::string& line) {
  if (i < 0) i = 0;
  if (i > Count()) i = Count();
  if (i == 0 && head_ > 0)
    lines_[--head_] = line;
  else
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(head_ + static_cast<size_t>(i)), line);
  changed();
}

void TextList::remove(int i) {
  if (i < 0 || i >= Count()) return;
  if (i == 0) {
    std::string().swap(lines_[head_]);
    ++head_;
    // Reclaiming moves the remaining lines once they are fewer than those
    // taken off, so each removal pays for the move of at most one line.
    if (head_ >= 1024 && head_ > lines_.size() - head_) compact();
  } else {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(head_ + static_cast<size_t>(i)));
  }
  changed();
}

void TextList::clear() {
  if (empty()) return;
  lines_.clear();
  head_ = 0;
  changed();
}

void TextList::assign(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  head_ = 0;
  changed();
}

int TextList::indexOf(const std::string& line) const {
  for (int i = 0; i < Count(); ++i)
    if (get(i) == line) return i;
  return -1;
}

void TextList::compact() const {
  if (head_ == 0) return;
  lines_.erase(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(head_));
  head_ = 0;
}

void TextList::setText(const std::string& utf8) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));
  assign(std::move(lines));
}

std::string TextList::text() const {
  std::string out;
  for (const auto& l : lines()) {
    out += l;
    out += "\r\n";
  }
  return out;
}

Result<void> TextList::loadFromFile(const std::string& path, size_t maxBytes) {
  const Result<std::string> bytes = readFile(path, maxBytes);
  if (!bytes) return bytes.error();
  setText(cp1252ToUtf8(*bytes));
  return {};
}

Result<void> TextList::saveToFile(const std::string& path) const {
  return writeFileAtomic(path, utf8ToCp1252(text()));
}

void TextList::changed() {
  if (OnChange) OnChange();
}

}  // namespace sys
