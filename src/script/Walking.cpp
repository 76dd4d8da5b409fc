// Walking and drawing the protagonist: 6 pixels per tick toward the walk
// target, composited over the clean copy of the walk strip with his body,
// face and blinking eyes.
#include "core/Game.h"
#include "core/TForm1.h"
#include "gfx/Bmp.h"
#include "script/Commands.h"
#include "script/ScriptError.h"
#include "state/TForm2.h"

namespace game::script {
namespace {

constexpr int kTop = 214;  // the top of his sprite on the room picture

int faceIndex(const TForm2& f2, bool right) {
  if (f2.talking.Caption == "talking: Kroxl") return f2.talking.Tag + (right ? 7 : 1);
  const std::string& mood = f2.kroxl.Caption;
  if (mood == "sick") return right ? 11 : 5;
  if (mood == "happy") return right ? 6 : 0;
  if (mood == "bad") return right ? 7 : 1;
  return -1;
}

// Where he stood is painted over with the clean walk strip first: a jump (the
// Enter key turns every walk into one) would leave a copy of him behind.
// Right after a room change the strip is not taken yet, and the room is
// freshly drawn anyway.
void eraseProtagonist(TForm1& f1) {
  const TForm2& f2 = store(f1);
  if (f2.sonsti.Tag == 1) return;
  const int64_t p = f2.posit.Tag, zl = f1.zone.Left, zt = f1.zone.Top;
  f1.schirm.canvas().copyRect(gfx::Rect::pinned(p - 40, kTop, p + 204, kTop + 179), f1.Image2.Picture,
                              gfx::Rect::pinned(p - zl - 40, kTop - zt, p - zl + 204, kTop + 179 - zt));
}

}  // namespace

Ending walkingTo(TForm1& f1) {
  const int target = toInt(line(f1, 1));
  f1.log("walking to " + std::to_string(f1.walkTarget()));
  f1.setWalkTarget(target);
  f1.scriptWalkTarget = target;
  store(f1).Label11.Caption = "Kroxl: standing";
  deleteLines(f1, 2);
  queue(f1).insert(0, "wait for stop");
  queue(f1).insert(0, "wait for stop");
  return Ending::Check;
}

// A double click during a scripted walk (the click counter went negative)
// puts him at the walk's target at once.
Ending waitForStop(TForm1& f1) {
  f1.Label2.Caption = std::to_string(f1.clickCountdown);
  if (f1.clickCountdown >= 0) return Ending::Check;
  const gfx::Rect zone = f1.zone.boundsRect();
  f1.schirm.canvas().copyRect(zone, f1.Image2.Picture, gfx::Rect::xywh(0, 0, zone.width(), zone.height()));
  store(f1).posit.Tag = f1.scriptWalkTarget;
  f1.setWalkTarget(f1.scriptWalkTarget);
  f1.clickCountdown = 0;
  deleteLines(f1, 2);
  return Ending::Finish;
}

Ending jumpTo(TForm1& f1) {
  const int x = toInt(line(f1, 1));
  eraseProtagonist(f1);
  f1.log("jump to " + std::to_string(x));
  f1.setWalkTarget(x);
  store(f1).posit.Tag = x;
  deleteLines(f1, 2);
  return Ending::Check;
}

namespace {
// Turning to the left or right stops a walk where he is; turning his back
// does not.
Ending look(TForm1& f1, const char* facing, const char* logLine, bool stopWalking) {
  store(f1).sonsti.Caption = facing;
  f1.log(logLine);
  deleteLines(f1, 1);
  if (stopWalking) f1.setWalkTarget(store(f1).posit.Tag);
  return Ending::Check;
}
}  // namespace

Ending lookRight(TForm1& f1) {
  return look(f1, "right", "look right", true);
}
Ending lookLeft(TForm1& f1) {
  return look(f1, "left", "look left", true);
}
Ending lookBehind(TForm1& f1) {
  return look(f1, "behind", "look behind", false);
}
Ending invisible(TForm1& f1) {
  return look(f1, "invisible", "kroxl invisible", false);
}

void walkAndDraw(TForm1& f1) {
  TForm2& f2 = store(f1);
  const int target = f1.walkTarget();
  if (target < f2.posit.Tag) f2.posit.Tag = gfx::addSat(f2.posit.Tag, -6);
  if (target > f2.posit.Tag) f2.posit.Tag = gfx::addSat(f2.posit.Tag, 6);
  f2.GroupBox1.Tag = f2.posit.Tag;

  if (++f2.anim.Tag == 2) {
    f2.anim.Tag = 0;
    if (++f2.Label4.Tag == 4) f2.Label4.Tag = 0;
  }
  if (f2.posit.Caption == "Kroxl: standing") f2.Label4.Tag = 0;

  // Positions come from saves and scripts: the sums below are taken in 64 bits.
  const int64_t p = f2.posit.Tag, t = target;
  const int64_t zl = f1.zone.Left, zt = f1.zone.Top;
  f2.posit.Caption = "Kroxl: walking to " + std::to_string(t);

  // After a room change: take a clean copy of the walk strip's background.
  if (f2.sonsti.Tag == 1) {
    f2.sonsti.Tag = 0;
    if (const gfx::Bitmap* background = f1.backgraphic.get(0)) f1.canvas().draw(0, 0, *background);
    const gfx::Rect zone = f1.zone.boundsRect();
    f1.Image2.canvas().copyRect(gfx::Rect::xywh(0, 0, zone.width(), zone.height()), f1.schirm.Picture, zone);
  }

  gfx::Canvas& work = f1.Image1.canvas();
  work.copyRect({0, 0, 204, 179}, f1.Image2.Picture, gfx::Rect::pinned(p - zl - 40, 14, p - zl + 164, 193));
  int frame = -1;
  if (t - 10 < p && p < t + 10) {
    const std::string& facing = f2.sonsti.Caption;
    frame = facing == "left" ? 8 : facing == "right" ? 3 : facing == "behind" ? 10 : -1;
  } else if (p <= t - 10) {
    frame = f2.Label4.Tag;
    f2.sonsti.Caption = "right";
  } else {
    frame = f2.Label4.Tag + 5;
    f2.sonsti.Caption = "left";
  }
  if (frame >= 0) f1.animate.Draw(work, 40, 0, frame);

  gfx::Canvas& screen = f1.schirm.canvas();
  screen.copyRect(gfx::Rect::pinned(p - 40, kTop, p + 164, kTop + 179), f1.Image1.Picture, {0, 0, 204, 179});
  if (f2.sonsti.Caption != "behind")
    screen.copyRect(gfx::Rect::pinned(p - 40, kTop, p + 204, 268), f1.Image2.Picture,
                    gfx::Rect::pinned(p - 40, kTop - zt, p + 204, 268 - zt));

  if (f2.kroxl.Tag > 0) --f2.kroxl.Tag;
  if (f2.kroxl.Tag == 0) f2.kroxl.Caption = "happy";

  if (f2.sonsti.Caption == "left") f1.face.Draw(screen, gfx::saturate(p), kTop, faceIndex(f2, false));
  if (f2.sonsti.Caption == "right") f1.face.Draw(screen, gfx::saturate(p + 14), kTop, faceIndex(f2, true));

  if (f2.Label1.Tag == 10) {
    f2.Label1.Tag = 0;
    f2.posit.Caption = "Kroxl: walking to " + std::to_string(t);
  }
  if (t - 11 < p && p < t + 11) {
    f2.posit.Caption = "Kroxl: standing";
    if (line(f1, 0) == "wait for stop") {
      deleteLines(f1, 2);
      f2.Label11.Caption = "nothing";
    }
  }
}

// The eyes are read from the data root on every tick; about 4 ticks in 100
// show them closed.
void drawEyes(TForm1& f1) {
  const TForm2& f2 = store(f1);
  const int r = f1.game.random.next(100);
  const int p = f2.posit.Tag;
  if (f2.sonsti.Caption == "left") {
    const char* file = r < 96 ? "\\graphic\\kroxl\\open.bmp" : "\\graphic\\kroxl\\close.bmp";
    f1.schirm.canvas().draw(gfx::addSat(p, 25), 221, gfx::loadBmpOrThrow(f1.dataPath(file)));
  } else if (f2.sonsti.Caption == "right") {
    const char* file = r < 96 ? "\\graphic\\kroxl\\open2.bmp" : "\\graphic\\kroxl\\close2.bmp";
    f1.schirm.canvas().draw(gfx::addSat(p, 44), 221, gfx::loadBmpOrThrow(f1.dataPath(file)));
  }
}

}  // namespace game::script
