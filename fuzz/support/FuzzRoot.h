#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace fuzzsupport {

// The program directory a game-level target plays in: a fresh folder in the
// temporary directory, made once per run and removed at exit. The demo
// game's pictures, sounds and videos are linked in whole;
// the text sources file by file, so that an input can take the place of one
// of them without touching the demo data. Nothing is written anywhere else.
class FuzzRoot {
 public:
  // The one root of this process, made on first use.
  static FuzzRoot& get();

  const std::string& path() const { return path_; }
  // Puts the bytes in place of a file of the root ("source/anim/putzfrau.ani"),
  // until the next reset().
  void put(const std::string& relative, std::string_view bytes);
  // Back to the state after set-up: every replaced text source is the demo's
  // again, and what a game wrote (saved games, options, screen shots) is gone.
  void reset();

 private:
  FuzzRoot();
  ~FuzzRoot();
  FuzzRoot(const FuzzRoot&) = delete;
  FuzzRoot& operator=(const FuzzRoot&) = delete;

  std::string demo_;
  std::string path_;
  std::vector<std::string> replaced_;  // relative paths put() wrote
};

// The demo game's data root the fuzz targets link to (the normal build's).
std::string demoDataRoot();

}  // namespace fuzzsupport
