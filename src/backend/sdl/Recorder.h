#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "backend/headless/Replay.h"
#include "ui/Platform.h"

namespace backend {

// Writes the window's session as a replay (docs/replay.md) that the headless
// driver plays to the same state: the settings the session started with,
// then every input action after a "wait" for the game time since the one
// before. Answers to message boxes go in front of the action that opened
// them, so the replay has them queued in time. Each line is written at once,
// so a crash keeps the session up to it.
class Recorder {
 public:
  explicit Recorder(const std::string& path);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  bool ok() const { return file_ != nullptr; }
  const std::string& error() const { return error_; }

  void settings(uint32_t seed, const ui::DisplayInfo& display);
  // An action handled at game time gameMs. It is written when its handling
  // is over (or when a nested one comes first), behind the answers given
  // meanwhile.
  void begin(int64_t gameMs, const ReplayAction& action);
  void finish();
  void answer(ui::TModalResult result);
  // The session ends at gameMs: the replay plays the time up to it.
  void end(int64_t gameMs);

 private:
  void write(const std::string& line);
  void waitUntil(int64_t gameMs);

  FILE* file_ = nullptr;
  std::string error_;
  int64_t written_ = 0;  // the game time the replay has reached
  std::vector<std::string> answers_;
  bool pending_ = false;
  int64_t pendingAt_ = 0;
  ReplayAction pendingAction_;
};

}  // namespace backend
