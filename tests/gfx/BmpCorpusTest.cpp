// The BMP Suite: g/ files must load and show the suite's picture, q/ files may
// load or fail, b/ files must fail, and nothing may crash or read astray.
#include <gtest/gtest.h>

#include <map>

#include "Corpus.h"
#include "PictureCompare.h"
#include "gfx/Bmp.h"

namespace {

using gfx::Bitmap;

sys::Result<gfx::Bitmap> decodeSuiteFile(const std::string& relative) {
  return gfx::decodeBmp(readBytes(bmpSuiteDir() + "/" + relative));
}

Bitmap loadGood(const std::string& relative) {
  sys::Result<gfx::Bitmap> r = decodeSuiteFile(relative);
  EXPECT_TRUE(r.ok()) << relative << ": " << r.error().message;
  return r.ok() ? *r : Bitmap();
}

class BmpSuite : public testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(bmpSuiteDir().empty()) << "BMP Suite not found at " KROXL_CORPUS_DIR; }
};

// The suite's picture is 127 × 64: four bands (red, green, blue, gray) that
// darken from top to bottom and shade towards cyan, magenta and yellow on
// their right, and "BMP" in white letters outlined in black across the middle.
TEST_F(BmpSuite, TrueColourPictureShowsTheBandsAndLetters) {
  const Bitmap b = loadGood("g/rgb24.bmp");
  ASSERT_EQ(b.width(), 127);
  ASSERT_EQ(b.height(), 64);
  EXPECT_EQ(b.pixel(0, 0), 0xFFFF0000u);    // red band, top left
  EXPECT_EQ(b.pixel(32, 0), 0xFF00FF00u);   // green band
  EXPECT_EQ(b.pixel(64, 0), 0xFF0000FFu);   // blue band
  EXPECT_EQ(b.pixel(96, 0), 0xFF9F9F9Fu);   // gray band
  EXPECT_EQ(b.pixel(0, 63), 0xFF000000u);   // bottom left is black
  EXPECT_EQ(b.pixel(31, 63), 0xFF00FFFFu);  // cyan
  EXPECT_EQ(b.pixel(63, 63), 0xFFFF00FFu);  // magenta
  EXPECT_EQ(b.pixel(95, 63), 0xFFFFFF00u);  // yellow
  EXPECT_EQ(b.pixel(126, 63), 0xFF60607Eu);
  for (int x = 28; x <= 44; ++x) EXPECT_EQ(b.pixel(x, 21), 0xFFFFFFFFu) << "top bar of the B at x " << x;
  for (int x = 26; x <= 46; ++x) EXPECT_EQ(b.pixel(x, 20), 0xFF000000u) << "outline above the B at x " << x;
}

// Files that store the same pixels differently must decode to the same picture.
TEST_F(BmpSuite, EncodingsOfOnePictureDecodeIdentically) {
  const std::map<std::string, std::vector<std::string>> groups = {
      {"g/rgb24.bmp", {"g/rgb24pal.bmp", "g/rgb32.bmp", "g/rgb32bf.bmp", "g/rgb32bfdef.bmp"}},
      {"g/rgb16.bmp", {"g/rgb16bfdef.bmp"}},
      {"g/rgb16-565.bmp", {"g/rgb16-565pal.bmp"}},
      {"g/pal8.bmp",
       {"g/pal8-0.bmp", "g/pal8os2.bmp", "g/pal8rle.bmp", "g/pal8topdown.bmp", "g/pal8v4.bmp",
        "g/pal8v5.bmp"}},
      {"g/pal4.bmp", {"g/pal4rle.bmp"}},
      {"g/pal1.bmp", {"g/pal1wb.bmp"}},
  };
  for (const auto& [reference, variants] : groups) {
    const Bitmap expected = loadGood(reference);
    for (const std::string& variant : variants) EXPECT_TRUE(loadGood(variant) == expected) << variant;
  }
}

// Paletted and 16-bit versions approximate the true-colour picture: dithering
// keeps the average colour of each small block, 5- and 6-bit channels stay
// within one step, and the brightest values are pure white.
TEST_F(BmpSuite, ReducedColourVersionsLookLikeTheTrueColourPicture) {
  const Bitmap truth = loadGood("g/rgb24.bmp");
  EXPECT_LE(picture::maxChannelDifference(loadGood("g/rgb16.bmp"), truth), 4);
  EXPECT_LE(picture::maxChannelDifference(loadGood("g/rgb16-565.bmp"), truth), 4);
  EXPECT_EQ(loadGood("g/rgb16.bmp").pixel(40, 21), 0xFFFFFFFFu);
  EXPECT_EQ(loadGood("g/rgb16-565.bmp").pixel(40, 21), 0xFFFFFFFFu);
  EXPECT_LE(picture::maxBlockDifference(loadGood("g/pal8.bmp"), truth, 8, false), 10);
  EXPECT_LE(picture::maxBlockDifference(loadGood("g/pal4.bmp"), truth, 8, false), 24);
  for (const char* letters : {"g/pal8.bmp", "g/pal4.bmp"}) {
    const Bitmap b = loadGood(letters);
    EXPECT_EQ(b.pixel(40, 21), 0xFFFFFFFFu) << letters;
    EXPECT_EQ(b.pixel(40, 20), 0xFF000000u) << letters;
  }
}

TEST_F(BmpSuite, GrayscaleVersionsAreGrayWithTheOriginalsBrightness) {
  const Bitmap truth = loadGood("g/rgb24.bmp");
  for (auto [file, tolerance] :
       {std::pair{"g/pal8gs.bmp", 3.0}, {"g/pal4gs.bmp", 6.0}, {"g/pal1.bmp", 24.0}}) {
    const Bitmap b = loadGood(file);
    EXPECT_TRUE(picture::isGray(b)) << file;
    EXPECT_LE(picture::maxBlockDifference(b, truth, 8, true), tolerance) << file;
  }
}

// pal1bg draws pal1's pattern with two colours other than black and white.
TEST_F(BmpSuite, TwoColourPaletteKeepsThePattern) {
  const Bitmap plain = loadGood("g/pal1.bmp");
  const Bitmap coloured = loadGood("g/pal1bg.bmp");
  ASSERT_EQ(coloured.width(), plain.width());
  const gfx::Pixel light = coloured.pixel(40, 21), dark = coloured.pixel(40, 20);
  EXPECT_NE(light, dark);
  for (gfx::Pixel c : {light, dark}) EXPECT_TRUE(c != 0xFFFFFFFFu && c != 0xFF000000u);
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x)
      ASSERT_EQ(coloured.pixel(x, y), plain.pixel(x, y) == 0xFFFFFFFFu ? light : dark) << x << "," << y;
}

// The narrower files are the top-left part of pal8 and exercise every row
// padding; the non-square one is the picture squeezed to half its height.
TEST_F(BmpSuite, OddWidthsAndNonSquarePixelsKeepTheirSize) {
  const Bitmap pal8 = loadGood("g/pal8.bmp");
  for (auto [file, w, h] :
       {std::tuple{"g/pal8w124.bmp", 124, 61}, {"g/pal8w125.bmp", 125, 62}, {"g/pal8w126.bmp", 126, 63}}) {
    const Bitmap b = loadGood(file);
    ASSERT_EQ(b.width(), w) << file;
    ASSERT_EQ(b.height(), h) << file;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(b.pixel(x, y), pal8.pixel(x, y)) << file << " at " << x << "," << y;
  }
  const Bitmap squeezed = loadGood("g/pal8nonsquare.bmp");
  ASSERT_EQ(squeezed.width(), 127);
  ASSERT_EQ(squeezed.height(), 32);
  EXPECT_LE(
      picture::maxBlockDifference(squeezed, picture::resampled(loadGood("g/rgb24.bmp"), 127, 32), 8, false),
      10);
}

TEST_F(BmpSuite, EveryGoodFileLoads) {
  const std::vector<std::string> files = suiteFiles("g");
  EXPECT_GE(files.size(), 27u);
  for (const std::string& name : files) {
    const Bitmap b = loadGood("g/" + name);
    for (gfx::Pixel p : b.pixels()) ASSERT_EQ(p >> 24, 0xFFu) << name << " has a pixel that is not opaque";
  }
}

// Density is only a hint for printing and the game never reads it, so the two
// files whose only fault is an absurd density load as the plain picture.
TEST_F(BmpSuite, BadFilesAreRejectedNamingTheirFault) {
  const std::map<std::string, std::string> fault = {
      {"badbitcount.bmp", "bits per pixel"},
      {"badbitssize.bmp", "bytes of pixel data"},
      {"badfilesize.bmp", "file size"},
      {"badheadersize.bmp", "info header size"},
      {"badpalettesize.bmp", "palette colours"},
      {"badplanes.bmp", "planes"},
      {"badrle.bmp", "runs past the end of row"},
      {"badrle4.bmp", "runs past the end of row"},
      {"badrle4bis.bmp", "delta"},
      {"badrle4ter.bmp", "delta"},
      {"badrlebis.bmp", "delta"},
      {"badrleter.bmp", "delta"},
      {"badwidth.bmp", "width -127"},
      {"pal8badindex.bmp", "out of the palette"},
      {"reallybig.bmp", "width 3000000"},
      {"rgb16-880.bmp", "blue bit-field mask is empty"},
      {"rletopdown.bmp", "top-down"},
      {"shortfile.bmp", "file size"},
  };
  const Bitmap pal1 = loadGood("g/pal1.bmp");
  for (const std::string& name : suiteFiles("b")) {
    const sys::Result<gfx::Bitmap> r = decodeSuiteFile("b/" + name);
    if (name == "baddens1.bmp" || name == "baddens2.bmp") {
      EXPECT_TRUE(r.ok() && *r == pal1) << name;
      continue;
    }
    ASSERT_TRUE(fault.count(name)) << "no expectation for b/" << name;
    ASSERT_FALSE(r.ok()) << name;
    EXPECT_NE(r.error().message.find(fault.at(name)), std::string::npos) << name << ": " << r.error().message;
  }
}

// Questionable files either load as the suite's picture or give a reason.
TEST_F(BmpSuite, QuestionableAndForeignFilesLoadOrFailCleanly) {
  for (const char* folder : {"q", "x"})
    for (const std::string& name : suiteFiles(folder)) {
      const sys::Result<gfx::Bitmap> r = decodeSuiteFile(std::string(folder) + "/" + name);
      if (r.ok()) {
        EXPECT_EQ(r->width(), 127) << name;
        EXPECT_EQ(r->height(), 64) << name;
      } else {
        EXPECT_FALSE(r.error().message.empty()) << name;
      }
    }
}

// The variants SDL has no pixel format for go through our own bit-field
// reader, which must scale odd channel widths properly.
TEST_F(BmpSuite, UnusualBitFieldsAndOs2PalettesDecodeRight) {
  const Bitmap truth = loadGood("g/rgb24.bmp");
  for (const char* file : {"q/rgb32h52.bmp", "q/rgb32-xbgr.bmp", "q/rgb32-111110.bmp", "q/rgb32-7187.bmp"})
    EXPECT_LE(picture::maxChannelDifference(loadGood(file), truth), 2) << file;
  const Bitmap pal8 = loadGood("g/pal8.bmp");
  for (const char* file :
       {"q/pal8os2sp.bmp", "q/pal8os2v2.bmp", "q/pal8os2-sz.bmp", "q/pal8oversizepal.bmp", "q/pal8offs.bmp"})
    EXPECT_TRUE(loadGood(file) == pal8) << file;
}

}  // namespace
