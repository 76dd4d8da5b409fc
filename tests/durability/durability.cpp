// Durability of the files the game writes: a child process saves games and
// writes the options file without pause, through the game's own writers, and
// is killed (SIGKILL) at a random moment; after every kill each file must be
// the old or a new complete version, every thumbnail must belong to the save
// beside it, and stale temporaries must not pile up.
//
//   durability --kills N [--seed S]
//
// prints its figures and exits non-zero on the first violation, naming the
// seed and the kill.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "backend/headless/HeadlessPlatform.h"
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm3.h"
#include "core/TForm9.h"
#include "gfx/Bmp.h"
#include "persist/Options.h"
#include "sys/TextList.h"

namespace {

namespace fs = std::filesystem;

const char* const kNames[] = {"abend", "kapitel", "zwischen"};
constexpr int kItems = 3000;  // makes a save of some 60 KB, so kills land inside its write

// The save of version k: every line that can tell versions apart does.
std::vector<std::string> saveLines(long k) {
  const std::string v = std::to_string(k);
  // clang-format off
  std::vector<std::string> lines = {"[Professor Kroxl Spielstand]", "100", "01.01.2000 00:00:00", "",
                                    "form definitions:", "[room:]", "1", "[position:]", v, "[sonsti:]",
                                    "left", "[midi:]", "\\sound\\music\\gang.mid", "[midiposition:]", v, "",
                                    "inventar list:", std::to_string(kItems)};
  // clang-format on
  for (int i = 0; i < kItems; ++i) lines.push_back("Gegenstand " + v + " " + std::to_string(i));
  lines.push_back("[write empty]");
  return lines;
}

gfx::TColor colourOf(long k) {
  return static_cast<gfx::TColor>((static_cast<uint64_t>(k) * 2654435761u) & 0xFFFFFF);
}

game::OptionValues optionsOf(long k) {
  game::OptionValues v;
  v.speed = 1 + static_cast<int>(k % 100);
  v.music = k & 1;
  v.wav = k & 2;
  v.text = k & 4;
  v.speak = k & 8;
  return v;
}

// The child: the game's writers, one after another, until it is killed (or
// after the given number of rounds, when that is not negative).
[[noreturn]] void write(const std::string& dir, long firstVersion, int rounds, int ready) {
  fs::current_path(dir);
  backend::HeadlessPlatform platform(backend::ReplayScript{}, ui::DisplayInfo{});
  game::GameSetup setup;
  setup.driveType = [](const std::string&) { return sys::DriveType::Other; };
  game::Game game(platform, setup);
  game::TForm1& f1 = *game.Form1;
  f1.cd2.Caption = f1.cd.Caption;
  (void)!::write(ready, "r", 1);
  for (long k = firstVersion; rounds < 0 || k < firstVersion + rounds; ++k) {
    // As the menu does when it opens: the screen shot that becomes the
    // thumbnail (a failed write shows in the thumbnails the parent checks).
    (void)gfx::saveBmp(f1.programPath("\\temp.bmp"), gfx::Bitmap(640, 400, gfx::toPixel(colourOf(k))));
    f1.composeSaveGame();
    game.Form3->Memo2.Lines.assign(saveLines(k));
    game.Form9->Edit1.setText(kNames[k % 3]);
    game.Form9->Button1Click();

    const game::OptionValues v = optionsOf(k);
    game::TForm10& panel = *game.Form10;
    panel.TrackBar1.setPosition(v.speed);
    panel.CheckBox5.setChecked(v.music);
    panel.CheckBox2.setChecked(v.wav);
    panel.CheckBox4.setChecked(v.text);
    panel.CheckBox3.setChecked(v.speak);
    panel.zusammenstellenClick();
  }
  ::_exit(0);
}

struct Figures {
  int kills = 0;
  int savesSeen = 0;
  int savesWithoutThumbnail = 0;
  int mostTemporaries = 0;
  int lastTemporaries = 0;
};

std::string check(const std::string& dir, std::set<std::string>& existed, Figures& figures) {
  const std::string saves = dir + "/savegames";
  for (const char* name : kNames) {
    const std::string save = saves + "/" + name + ".kvt";
    if (!fs::exists(save)) {
      if (existed.count(save)) return save + " disappeared";
      continue;
    }
    existed.insert(save);
    sys::TextList file;
    if (auto r = file.loadFromFile(save); !r.ok()) return r.error().message;
    char* end = nullptr;
    const long k = std::strtol(file.get(8).c_str(), &end, 10);
    if (file.lines() != saveLines(k)) return save + " is no complete version (" + file.get(8) + ")";
    ++figures.savesSeen;
    if (!fs::exists(save + ".bmp")) {
      ++figures.savesWithoutThumbnail;
      continue;
    }
    const sys::Result<gfx::Bitmap> thumbnail = gfx::loadBmp(save + ".bmp");
    if (!thumbnail.ok()) return thumbnail.error().message;
    if (thumbnail->width() != 160 || thumbnail->height() != 100) return save + ".bmp has the wrong size";
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 160; ++x)
        if (gfx::toColor(thumbnail->pixel(x, y)) != colourOf(k))
          return save + ".bmp is not the picture of version " + std::to_string(k);
  }

  const std::string options = dir + "/optionsNT.pre";
  if (fs::exists(options)) {
    existed.insert(options);
    sys::TextList file;
    if (auto r = file.loadFromFile(options); !r.ok()) return r.error().message;
    game::OptionValues v;
    v.speed = std::atoi(file.get(10).c_str());
    v.music = file.get(13) == "true";
    v.wav = file.get(16) == "true";
    v.text = file.get(19) == "true";
    v.speak = file.get(22) == "true";
    std::vector<std::string> expected = game::optionsFileLines(v, {file.get(34), file.get(37) == "true"});
    expected.back() = file.get(42);
    if (file.lines() != expected || file.get(42).rfind("The last time this file was edited was on ", 0) != 0)
      return "optionsNT.pre is no complete version";
  } else if (existed.count(options)) {
    return "optionsNT.pre disappeared";
  }

  int temporaries = 0;
  for (const std::string& folder : {dir, saves})
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.path().filename().string().find(".tmp") != std::string::npos) ++temporaries;
  figures.mostTemporaries = std::max(figures.mostTemporaries, temporaries);
  figures.lastTemporaries = temporaries;
  // One per file written: the stale one of each file is gone at its next write.
  if (temporaries > 2 * 3 + 2) return std::to_string(temporaries) + " temporaries piled up";
  return {};
}

// Runs a writer in a child process and kills it after delayMs (or lets it
// finish its rounds); false when it did not start.
bool runWriter(const std::string& dir, long firstVersion, int rounds, std::chrono::microseconds delay) {
  int ready[2];
  if (::pipe(ready) != 0) return false;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ready[0]);
    write(dir, firstVersion, rounds, ready[1]);
  }
  ::close(ready[1]);
  char byte;
  const bool started = ::read(ready[0], &byte, 1) == 1;
  ::close(ready[0]);
  if (rounds < 0) {
    std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
  }
  ::waitpid(child, nullptr, 0);
  return started;
}

int run(int kills, unsigned seed) {
  std::string pattern = (fs::temp_directory_path() / "kroxl-durability-XXXXXX").string();
  const std::string dir = ::mkdtemp(pattern.data());
  fs::create_directories(dir + "/savegames");
  std::mt19937 random(seed);
  std::set<std::string> existed;
  Figures figures;
  const auto start = std::chrono::steady_clock::now();
  std::string failure;
  for (int kill = 0; kill < kills && failure.empty(); ++kill) {
    if (!runWriter(dir, 1000000L * kill, -1, std::chrono::microseconds(random() % 40000)))
      failure = "the writer did not start";
    ++figures.kills;
    if (failure.empty()) failure = check(dir, existed, figures);
    if (!failure.empty()) failure = "after kill " + std::to_string(kill + 1) + ": " + failure;
  }
  // A clean run after all those kills writes each file once more and leaves
  // no temporary behind.
  if (failure.empty()) {
    runWriter(dir, 1000000L * kills, 3, {});
    failure = check(dir, existed, figures);
    if (failure.empty() && figures.lastTemporaries > 0)
      failure = std::to_string(figures.lastTemporaries) + " temporaries left after a clean run";
    if (!failure.empty()) failure = "after the clean run: " + failure;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "durability: seed %u, %d kills in %.1f s; %d saves checked, %d of them without a thumbnail "
      "(never with another's), at most %d temporaries at once\n",
      seed, figures.kills, seconds, figures.savesSeen, figures.savesWithoutThumbnail,
      figures.mostTemporaries);
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  if (!failure.empty()) {
    std::fprintf(stderr, "durability: seed %u: %s\n", seed, failure.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int kills = 50;
  unsigned seed = static_cast<unsigned>(std::random_device{}());
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--kills")
      kills = std::atoi(argv[i + 1]);
    else if (option == "--seed")
      seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
  }
  return run(kills, seed);
}
