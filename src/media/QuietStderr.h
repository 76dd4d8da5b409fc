#pragma once

namespace media {

// Sends the process's standard error to /dev/null for as long as it lives,
// for library calls that print what the caller reports better itself.
class QuietStderr {
 public:
  QuietStderr();
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace media
