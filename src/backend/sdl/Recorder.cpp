#include "backend/sdl/Recorder.h"

#include <cerrno>
#include <cstring>

namespace backend {

Recorder::Recorder(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {
  if (!file_) {
    error_ = "cannot write " + path + ": " + std::strerror(errno);
    return;
  }
  write("# Professor Kroxl, a recorded session: kroxl --headless --replay FILE --dump DIR plays it again");
}

Recorder::~Recorder() {
  if (file_) std::fclose(file_);
}

void Recorder::write(const std::string& line) {
  if (!file_) return;
  std::fputs(line.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

void Recorder::settings(uint32_t seed, const ui::DisplayInfo& display) {
  write("seed " + std::to_string(seed));
  write("display " + std::to_string(display.width) + "x" + std::to_string(display.height));
  write("depth " + std::to_string(display.bitsPerPixel));
}

void Recorder::waitUntil(int64_t gameMs) {
  for (const std::string& a : answers_) write("answer " + a);
  answers_.clear();
  if (gameMs > written_) write("wait " + std::to_string(gameMs - written_));
  written_ = std::max(written_, gameMs);
}

void Recorder::begin(int64_t gameMs, const ReplayAction& action) {
  finish();
  pending_ = true;
  pendingAt_ = gameMs;
  pendingAction_ = action;
}

void Recorder::finish() {
  if (!pending_) return;
  pending_ = false;
  waitUntil(pendingAt_);
  write(replayLine(pendingAction_));
}

void Recorder::answer(ui::TModalResult result) {
  switch (result) {
    case ui::TModalResult::Yes:
      answers_.push_back("yes");
      break;
    case ui::TModalResult::No:
      answers_.push_back("no");
      break;
    case ui::TModalResult::Cancel:
      answers_.push_back("cancel");
      break;
    default:
      answers_.push_back("ok");
      break;
  }
}

void Recorder::end(int64_t gameMs) {
  finish();
  waitUntil(gameMs);
}

}  // namespace backend
