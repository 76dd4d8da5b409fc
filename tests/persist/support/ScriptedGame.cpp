#include "persist/support/ScriptedGame.h"

#include <climits>
#include <filesystem>

#include "core/TForm1.h"
#include "core/TForm14.h"
#include "state/TForm2.h"
#include "ui/Timer.h"

namespace savetest {

void ScriptedPlatform::pump(ui::Desktop& desktop) {
  desktop.deliverPending();
  if (!steps.empty()) {
    auto step = std::move(steps.front());
    steps.pop_front();
    step();
    return;
  }
  ADD_FAILURE() << "a modal window waits for input the test did not give";
  if (ui::Form* form = desktop.activeForm())
    form->Close();
  else
    desktop.terminate();
}

std::optional<ui::TModalResult> ScriptedPlatform::answerMessageBox(const ui::MessageBoxRequest& request) {
  asked.push_back(request);
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected message box: " << request.text;
    return request.buttons == ui::MessageButtons::YesNo ? ui::TModalResult::No : ui::TModalResult::Ok;
  }
  const ui::TModalResult answer = answers.front();
  answers.pop_front();
  return answer;
}

ScriptedGameTest::ScriptedGameTest() {
  namespace fs = std::filesystem;
  savedDirectory_ = fs::current_path().string();
  fs::current_path(dir.path());
  const fs::path demo = fs::path(KROXL_BINARY_DIR) / "game";
  for (const char* folder : {"graphic", "sound", "movies"})
    fs::create_directory_symlink(demo / folder, folder);
  game_ = std::make_unique<game::Game>(platform_, game::GameSetup{});
  g().desktop.setDisplayMode(640, 480);
  game::TForm1& f = f1();
  f.cd.Caption = dir.path();
  f.cd2.Caption = dir.path();
  f.Show();
  f.MediaPlayer1->FileName = f.dataPath("\\sound\\music\\toegl.mid");
  f.MediaPlayer1->Open();
  f.MediaPlayer1->Play();
  f.MediaPlayer2->FileName = f.dataPath("\\sound\\effects\\none.wav");
  f.MediaPlayer2->Open();
  f.MediaPlayer2->Tag = 3;
  f.MediaPlayer3->FileName = f.dataPath("\\movies\\black.avi");
  f.MediaPlayer3->Open();
  f2().version.Caption = "100";
  f.build.Tag = 12345;  // a room without people, so the runner draws nothing but Kroxl
  f.Runner.Tag = g().desktop.screenHeight();
  f.Runner.setEnabled(true);
}

ScriptedGameTest::~ScriptedGameTest() {
  game_.reset();
  std::filesystem::current_path(savedDirectory_);
}

game::TForm1& ScriptedGameTest::f1() {
  return *game_->Form1;
}
game::TForm2& ScriptedGameTest::f2() {
  return *game_->Form2;
}

void ScriptedGameTest::runnerTicks(int n) {
  ui::Desktop& d = g().desktop;
  const int64_t target = f1().Runner.fireCount() + n;
  while (f1().Runner.fireCount() < target && !d.terminated()) {
    const int64_t due = d.nextTimerDue();
    if (due == INT64_MAX) break;
    platform_.virtualClock.advanceTo(due);
    d.deliverPending();
    d.fireDueTimers();
  }
}

void ScriptedGameTest::click(int x, int y) {
  ui::Desktop& d = g().desktop;
  d.mouseMove(x, y);
  d.mouseDown(ui::MouseButton::Left, x, y);
  d.mouseUp(ui::MouseButton::Left, x, y);
}

void ScriptedGameTest::key(int vk) {
  g().desktop.keyDown(vk);
  g().desktop.keyUp(vk);
}

void ScriptedGameTest::paintRoom() {
  gfx::Canvas& c = f1().schirm.canvas();
  for (int y = 0; y < 400; y += 20)
    for (int x = 0; x < 640; x += 20)
      c.fillRect(gfx::Rect::xywh(x, y, 20, 20), gfx::rgb(x % 256, y % 256, 77));
}

void ScriptedGameTest::menuEntry(int x, int y) {
  if (f2().mode.Caption != "menu") key(ui::vk::Escape);
  click(x, y);
}

void ScriptedGameTest::pickFirstSavedGame() {
  game::TForm14& screen = *g().Form14;
  platform_.steps.push_back([this, &screen] {
    const gfx::Point list = screen.FileListBox1.clientOrigin();
    click(list.x + 10, list.y + 8);
  });
  platform_.steps.push_back([this, &screen] {
    const gfx::Point ok = screen.SpeedButton1.clientOrigin();
    click(ok.x + 20, ok.y + 10);
  });
}

void ScriptedGameTest::cancelLoadScreen() {
  game::TForm14& screen = *g().Form14;
  platform_.steps.push_back([this, &screen] {
    const gfx::Point cancel = screen.SpeedButton2.clientOrigin();
    click(cancel.x + 20, cancel.y + 10);
  });
}

bool ScriptedGameTest::exists(const std::string& relative) const {
  return std::filesystem::exists(path(relative));
}

}  // namespace savetest
