// The desktop's two steady costs: composing the whole 640 × 480 screen every
// frame, and running the runner timer's ticks under the virtual clock.
#include <benchmark/benchmark.h>

#include <climits>

#include "gfx/Bitmap.h"
#include "sys/Clock.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Desktop.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/NullPlatform.h"
#include "ui/Panel.h"
#include "ui/Timer.h"
#include "ui/TrackBar.h"

namespace {

using ClockOnlyPlatform = ui::NullPlatform;

// The main window as it looks while the player walks: the room picture, the
// hover line, the spoken line, the dialogue panel with its four replies, and
// the settings screen (a bordered dialog) open on top.
struct GameScreen {
  ClockOnlyPlatform platform;
  ui::Desktop desktop{platform};
  ui::Form main{desktop, "Form1"};
  ui::Image schirm{&main, "schirm"};
  ui::Label helpline{&main, "helpline", "Büro der Sekräterin"};
  ui::Label say{&main, "say",
                "Hubert: \"Der Widerstand ist U / = R mal I, das weiß doch jedes Kind, Herr Professor! "
                "Und wer das nicht weiß, der soll es lernen.\""};
  ui::Label Label1{&main, "Label1", "loading ..."};
  ui::Panel Panel1{&main, "Panel1"};
  ui::Label line1{&Panel1, "line1", "Guten Tag!"};
  ui::Label Line2{&Panel1, "Line2", "Was machen Sie hier?"};
  ui::Label Line3{&Panel1, "Line3", "Kann ich mir deine Liftkarte borgen?"};
  ui::Label Line4{&Panel1, "Line4", "Auf Wiedersehen."};
  ui::Form settings{desktop, "Form5"};
  ui::CheckBox speech{&settings, "CheckBox3", "Sprachausgabe (wenn verfügbar)"};
  ui::CheckBox text{&settings, "CheckBox4", "Textausgabe (immer)"};
  ui::TrackBar speed{&settings, "TrackBar1"};
  ui::Button save{&settings, "Button1", "Speichern"};
  ui::Button cancel{&settings, "Button2", "Abbrechen"};

  GameScreen() {
    desktop.setDisplayMode(640, 480);
    main.setBounds(0, 0, 640, 480);
    main.Color = gfx::clBlack;
    schirm.setBounds(0, 0, 640, 400);
    schirm.Picture = gfx::Bitmap(640, 400);
    for (int y = 0; y < 400; ++y)
      for (int x = 0; x < 640; ++x)
        schirm.Picture.setPixel(
            x, y, 0xFF000000u | static_cast<gfx::Pixel>((x * 0x010203 + y * 0x030201) & 0xFFFFFF));
    helpline.setBounds(0, 400, 640, 20);
    helpline.Font.Color = gfx::clWhite;
    helpline.Alignment = gfx::Align::Center;
    say.setBounds(0, 425, 640, 40);
    say.Font = gfx::Font{"MS Serif", 16, gfx::clWhite, false};
    say.Alignment = gfx::Align::Center;
    say.WordWrap = true;
    say.Color = gfx::clBlack;
    // As the game sets its spoken line: margins, readable colours, two rows.
    say.Margin = 20;
    say.MinContrast = 4.5;
    say.MinFontHeight = 11;
    Label1.setBounds(10, 10, 120, 16);
    Panel1.setBounds(0, 400, 640, 80);
    Panel1.Color = gfx::clBlack;
    Panel1.Caption = "";
    Panel1.BevelOuter = ui::Bevel::None;
    int top = 8;
    for (ui::Label* line : {&line1, &Line2, &Line3, &Line4}) {
      line->setBounds(8, top, 600, 16);
      line->Font = gfx::Font{"Comic Sans MS", 13, gfx::clWhite, false};
      line->MinFontHeight = 11;
      top += 16;
    }
    main.Show();

    settings.BorderStyle = ui::TBorderStyle::Dialog;
    settings.FormStyle = ui::TFormStyle::StayOnTop;
    settings.Caption = " Einstellungen";
    settings.setClientSize(339, 391);
    settings.Position = ui::TPosition::ScreenCenter;
    speech.setBounds(16, 100, 220, 17);
    text.setBounds(16, 120, 220, 17);
    speed.setBounds(16, 150, 200, 45);
    speed.setRange(1, 100);
    save.setBounds(16, 340, 75, 25);
    cancel.setBounds(100, 340, 75, 25);
    settings.Show();
  }
};

void BM_ComposeDesktop(benchmark::State& state) {
  GameScreen screen;
  gfx::Bitmap framebuffer;
  screen.desktop.compose(framebuffer);  // warms the text cache
  for (auto _ : state) {
    screen.desktop.compose(framebuffer);
    benchmark::DoNotOptimize(framebuffer.pixels().data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComposeDesktop)->Unit(benchmark::kMicrosecond);

// Ten thousand ticks of the runner with nothing to do, the other timers of
// the main window idle beside it.
void BM_TenThousandIdleTicks(benchmark::State& state) {
  ClockOnlyPlatform platform;
  ui::Desktop desktop(platform);
  desktop.setTimerGranularity(15);
  ui::Timer testen(desktop, "Testen", 100), start(desktop, "START", 1), build(desktop, "build", 1),
      runner(desktop, "Runner", 1);
  int64_t ticks = 0;
  runner.OnTimer = [&] { ++ticks; };
  runner.setEnabled(true);
  for (auto _ : state) {
    const int64_t target = ticks + 10000;
    while (ticks < target) {
      platform.virtualClock.advanceTo(desktop.nextTimerDue());
      desktop.fireDueTimers();
    }
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_TenThousandIdleTicks)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
