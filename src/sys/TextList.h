#pragma once
#include <functional>
#include <string>
#include <vector>

#include "sys/Result.h"

namespace sys {

// An ordered list of text lines, as the game's memos and string lists are.
// Lines are 0-based. Reading past the end (or before the start) yields empty
// text and is not an error: many loops of the game read fixed ranges and rely
// on it. Deleting a line that does not exist does nothing.
//
// The command queue takes its first line off on every tick, and puts lines
// back in front: both cost constant time however long the list is (the
// lines before the first are reclaimed once they outnumber the rest).
class TextList {
 public:
  TextList() = default;
  TextList(std::initializer_list<std::string> lines) : lines_(lines) {}

  int Count() const { return static_cast<int>(lines_.size() - head_); }
  bool empty() const { return Count() == 0; }
  std::string operator[](int i) const { return get(i); }
  std::string get(int i) const;
  const std::string& last() const;  // empty text for an empty list
  const std::vector<std::string>& lines() const;

  void set(int i, const std::string& line);  // ignored outside the list
  void add(const std::string& line);
  // Inserts before line i; i == Count() appends; indexes beyond are clamped.
  void insert(int i, const std::string& line);
  void remove(int i);
  void clear();
  void assign(std::vector<std::string> lines);
  int indexOf(const std::string& line) const;  // -1 if absent

  // Splits text at CR LF, LF or CR; a final line end adds no empty line.
  void setText(const std::string& utf8);
  // Joins the lines, each followed by CR LF.
  std::string text() const;

  // The game's text files (scripts, tables, voice databases, options) are
  // a few kilobytes; a larger file is refused rather than read, since every
  // line costs memory of its own (a file of empty lines grows thirtyfold).
  static constexpr size_t kMaxFileBytes = size_t{4} << 20;

  // Files are Windows-1252 with CR LF; lines are UTF-8 in memory. A failed
  // load (a file larger than maxBytes included) leaves the list as it was.
  Result<void> loadFromFile(const std::string& path, size_t maxBytes = kMaxFileBytes);
  Result<void> saveToFile(const std::string& path) const;

  // A free integer carried with the list (the frame cursor of Memo4, the
  // held-item state of inventar).
  int Tag = 0;
  // Runs after every change of the content.
  std::function<void()> OnChange;

 private:
  void changed();
  // Drops the lines before the first from the storage.
  void compact() const;

  // The list is lines_[head_] onwards; the slots before it are taken off
  // the front and are reused by inserts there.
  mutable std::vector<std::string> lines_;
  mutable size_t head_ = 0;
};

}  // namespace sys
