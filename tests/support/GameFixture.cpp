#include "support/GameFixture.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/TForm1.h"
#include "media/MediaPlayer.h"
#include "state/TForm2.h"
#include "sys/Cp1252.h"
#include "ui/Timer.h"

namespace testsupport {

std::string gameText(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return sys::utf8ToCp1252(text);
}

GameTest::GameTest() {
  savedDirectory_ = std::filesystem::current_path().string();
  std::filesystem::current_path(dir.path());
  setup.driveType = [](const std::string&) { return sys::DriveType::Other; };
  createGame();
}

GameTest::~GameTest() {
  game_.reset();
  platform_.reset();
  std::filesystem::current_path(savedDirectory_);
}

void GameTest::useDemoMedia() {
  for (const char* folder : {"graphic", "sound", "movies"}) {
    const std::filesystem::path link = std::filesystem::path(dir.path()) / folder;
    if (!std::filesystem::exists(link))
      std::filesystem::create_directory_symlink(std::filesystem::path(demoDataRoot()) / folder, link);
  }
}

void GameTest::startRunner() {
  useDemoMedia();
  game::TForm1& f = f1();
  f.MediaPlayer1->FileName = f.dataPath("\\sound\\music\\toegl.mid");
  f.MediaPlayer1->Open();
  f.MediaPlayer3->FileName = f.dataPath("\\movies\\black.avi");
  f.MediaPlayer3->Open();
  f.MediaPlayer2->FileName = f.dataPath("\\sound\\effects\\none.wav");
  f.MediaPlayer2->Open();
  f.MediaPlayer2->Tag = 3;
  f.Runner.Tag = g().desktop.screenHeight();
  f.Runner.setEnabled(true);
}

void GameTest::createGame() {
  game_.reset();
  platform_ = std::make_unique<backend::HeadlessPlatform>(backend::ReplayScript{}, display);
  game_ = std::make_unique<game::Game>(*platform_, setup);
  f1().cd.Caption = dir.path();
  f1().cd2.Caption = dir.path();
}

game::TForm1& GameTest::f1() {
  return *game_->Form1;
}
game::TForm2& GameTest::f2() {
  return *game_->Form2;
}

sys::VirtualClock& GameTest::clock() {
  return static_cast<sys::VirtualClock&>(platform_->clock());
}

void GameTest::advance(int64_t ms) {
  const int64_t until = clock().nowMs() + ms;
  ui::Desktop& d = game_->desktop;
  for (;;) {
    const int64_t due = d.nextTimerDue();
    if (due > until || d.terminated()) break;
    clock().advanceTo(due);
    d.deliverPending();
    d.fireDueTimers();
  }
  clock().advanceTo(until);
}

void GameTest::runnerTicks(int n) {
  ui::Desktop& d = game_->desktop;
  const int64_t target = f1().Runner.fireCount() + n;
  const int64_t deadline = clock().nowMs() + 60000;
  while (f1().Runner.fireCount() < target && !d.terminated()) {
    const int64_t due = d.nextTimerDue();
    if (due == INT64_MAX || due > deadline) break;
    clock().advanceTo(due);
    d.deliverPending();
    d.fireDueTimers();
  }
}

std::string GameTest::demoDataRoot() {
  return std::string(KROXL_BINARY_DIR) + "/game";
}

}  // namespace testsupport
