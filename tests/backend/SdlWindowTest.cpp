// The real window's front end on SDL's dummy video driver: SDL events as the
// desktop's input, full screen, cursors, closing, and drawing only what
// changed.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backend/sdl/SdlCursors.h"
#include "backend/sdl/SdlPlatform.h"
#include "ui/Desktop.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Timer.h"

namespace {

struct Window : ::testing::Test {
  // Never a real window, whatever the environment says.
  static void SetUpTestSuite() { SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE); }

  backend::SdlPlatform platform;
  ui::Desktop desktop{platform};
  ui::Form main{desktop, "main"};
  ui::Label left{&main, "left"};
  ui::Label right{&main, "right"};
  std::vector<std::string> log;
  bool closed = false;

  Window() {
    desktop.setDisplayMode(640, 480);
    main.setBounds(0, 0, 640, 480);
    left.setBounds(0, 0, 320, 480);
    right.setBounds(320, 0, 320, 480);
    main.KeyPreview = true;
    main.OnKeyDown = [this](int& key, ui::Shift s) {
      log.push_back("down " + std::to_string(key) + (s.alt ? " alt" : ""));
    };
    main.OnKeyUp = [this](int& key, ui::Shift) { log.push_back("up " + std::to_string(key)); };
    main.OnClose = [this](ui::TCloseAction&) { closed = true; };
    for (ui::Label* label : {&left, &right})
      label->OnMouseDown = [this, label](ui::MouseButton, ui::Shift, int x, int y) {
        log.push_back(label->Name + " " + std::to_string(x) + "," + std::to_string(y));
      };
    main.Show();
  }
  ~Window() override { SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); }

  // One round of the loop that never sleeps: a harmless event is waiting.
  void step() {
    SDL_Event nudge{};
    nudge.type = SDL_USEREVENT;
    SDL_PushEvent(&nudge);
    platform.pump(desktop);
  }
  void key(SDL_Keycode k, Uint16 mod = KMOD_NONE) {
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
      SDL_Event e{};
      e.type = type;
      e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
      e.key.keysym.sym = k;
      e.key.keysym.mod = mod;
      SDL_PushEvent(&e);
    }
    step();
  }
  void mouse(Uint32 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
      e.motion.x = x;
      e.motion.y = y;
    } else {
      e.button.button = SDL_BUTTON_LEFT;
      e.button.x = x;
      e.button.y = y;
    }
    SDL_PushEvent(&e);
  }
  void mouse(Uint32 type, int x, int y, Uint8 button) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
  }
  void click(int x, int y) {
    mouse(SDL_MOUSEMOTION, x, y);
    mouse(SDL_MOUSEBUTTONDOWN, x, y);
    mouse(SDL_MOUSEBUTTONUP, x, y);
    step();
  }
  bool fullScreen() const {
    return (SDL_GetWindowFlags(platform.screen().window()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  }
};

TEST_F(Window, OpensWithItsTitleAndShowsTheFirstFrameAtOnce) {
  ASSERT_TRUE(platform.ok()) << platform.error();
  EXPECT_STREQ(SDL_GetWindowTitle(platform.screen().window()), "Professor Kroxl");
  EXPECT_EQ(platform.screen().framesDrawn(), 1);  // black, before the game draws anything
  step();
  EXPECT_EQ(platform.screen().framesDrawn(), 2);
  EXPECT_EQ(platform.screen().viewport().area(), gfx::Rect::xywh(0, 0, 640, 480));
}

TEST_F(Window, KeysReachTheGameAndTheFullScreenKeysDoNot) {
  key(SDLK_PAGEUP);
  key(SDLK_PAGEDOWN);
  key(SDLK_a);
  key(SDLK_F1);
  key(SDLK_PERIOD);
  EXPECT_EQ(log, (std::vector<std::string>{"down 33", "up 33", "down 34", "up 34", "down 65", "up 65",
                                           "down 112", "up 112", "down 190", "up 190"}));
  log.clear();
  key(SDLK_F11);
  EXPECT_TRUE(fullScreen());
  key(SDLK_RETURN, KMOD_LALT);
  EXPECT_FALSE(fullScreen());
  EXPECT_TRUE(log.empty()) << log.front();
  // Enter alone is the game's.
  key(SDLK_RETURN);
  EXPECT_EQ(log, (std::vector<std::string>{"down 13", "up 13"}));
}

TEST_F(Window, ClicksLandOnTheGamePixelUnderThePointerAtAnySize) {
  click(100, 200);
  SDL_SetWindowSize(platform.screen().window(), 1280, 960);
  step();
  click(201, 401);
  // Full screen on the dummy display (1024 x 768) stretches the picture smoothly.
  key(SDLK_F11);
  step();
  EXPECT_EQ(platform.screen().viewport().area(), gfx::Rect::xywh(0, 0, 1024, 768));
  click(512, 384);
  EXPECT_EQ(log, (std::vector<std::string>{"left 100,200", "left 100,200", "right 0,240"}));
}

// 1200 x 600 shows the picture 800 x 600 with bars 200 pixels wide on either
// side; they lie off the game's screen.
TEST_F(Window, TheBarsBesideThePictureAreOffTheGamesScreen) {
  SDL_SetWindowSize(platform.screen().window(), 1200, 600);
  step();
  ASSERT_EQ(platform.screen().viewport().area(), gfx::Rect::xywh(200, 0, 800, 600));
  left.OnMouseUp = [this](ui::MouseButton, ui::Shift, int x, int y) {
    log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  left.OnMouseLeave = [this] { log.push_back("leave"); };
  // A click in a bar reaches nothing, not even the picture's edge; the
  // pointer there is over no control.
  mouse(SDL_MOUSEMOTION, 300, 300);
  step();
  click(100, 300);
  mouse(SDL_MOUSEBUTTONDOWN, 1100, 300, SDL_BUTTON_RIGHT);
  mouse(SDL_MOUSEBUTTONUP, 1100, 300, SDL_BUTTON_RIGHT);
  step();
  EXPECT_EQ(log, (std::vector<std::string>{"leave"}));
  EXPECT_EQ(desktop.hovered(), nullptr);
  EXPECT_FALSE(desktop.pointerOnScreen());
  // A press on the picture keeps its drag: the release in the bar counts at
  // the picture's edge. A release whose press was in the bar is dropped.
  log.clear();
  mouse(SDL_MOUSEMOTION, 300, 300);
  mouse(SDL_MOUSEBUTTONDOWN, 300, 300);
  mouse(SDL_MOUSEMOTION, 50, 300);
  mouse(SDL_MOUSEBUTTONUP, 50, 300);
  mouse(SDL_MOUSEBUTTONDOWN, 50, 300);
  mouse(SDL_MOUSEMOTION, 300, 300);
  mouse(SDL_MOUSEBUTTONUP, 300, 300);
  step();
  EXPECT_EQ(log, (std::vector<std::string>{"left 80,240", "up 0,240"}));
  EXPECT_TRUE(desktop.pointerOnScreen());
}

TEST_F(Window, ClosingTheWindowClosesTheMainForm) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  platform.pump(desktop);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(main.Visible);
  EXPECT_TRUE(desktop.terminated());
}

TEST_F(Window, PointerShowsTheCursorOfTheControlUnderIt) {
  desktop.registerCursor(3, ui::CursorImage{gfx::Bitmap(4, 4, 0xFFFF0000u), 1, 1});
  left.Cursor = ui::crNone;
  right.Cursor = 3;
  mouse(SDL_MOUSEMOTION, 100, 100);
  step();
  step();
  EXPECT_EQ(platform.cursors().shown(), ui::crNone);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  mouse(SDL_MOUSEMOTION, 400, 100);
  step();
  step();
  EXPECT_EQ(platform.cursors().shown(), 3);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
  // A number without a picture shows the arrow.
  right.Cursor = 9;
  step();
  EXPECT_EQ(platform.cursors().shown(), ui::crDefault);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

TEST(CursorSurface, EnlargesPixelByPixelAndKeepsTransparency) {
  gfx::Bitmap picture(2, 1, 0x00000000u);
  picture.setPixel(1, 0, 0xFF123456u);
  SDL_Surface* surface = backend::cursorSurface(ui::CursorImage{picture, 0, 0}, 3);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->w, 6);
  EXPECT_EQ(surface->h, 3);
  auto at = [&](int x, int y) {
    return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                           y * surface->pitch)[x];
  };
  EXPECT_EQ(at(2, 2), 0x00000000u);
  EXPECT_EQ(at(3, 0), 0xFF123456u);
  EXPECT_EQ(at(5, 2), 0xFF123456u);
  SDL_FreeSurface(surface);
}

TEST_F(Window, OnlyChangedFramesAreDrawn) {
  ui::Timer ticker(desktop, "ticker", 1);
  int ticks = 0;
  ticker.OnTimer = [&] { ++ticks; };
  ticker.setEnabled(true);
  step();
  const int drawn = platform.screen().framesDrawn();
  const int offered = platform.screen().framesOffered();
  SDL_Delay(5);
  step();
  SDL_Delay(5);
  step();
  EXPECT_GE(ticks, 2);
  EXPECT_GT(platform.screen().framesOffered(), offered);
  EXPECT_EQ(platform.screen().framesDrawn(), drawn);
  ticker.OnTimer = [&] { left.Caption = "Tick"; };
  SDL_Delay(5);
  step();
  EXPECT_EQ(platform.screen().framesDrawn(), drawn + 1);
}

}  // namespace
