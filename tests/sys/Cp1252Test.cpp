#include <gtest/gtest.h>

#include "sys/Cp1252.h"

namespace {

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = sys::cp1252ToUtf8(all);
  EXPECT_EQ(sys::utf8Length(utf8), 256);
  EXPECT_EQ(sys::utf8ToCp1252(utf8), all);
}

TEST(Cp1252, MapsTheGermanLettersAndTheSpecialRow) {
  EXPECT_EQ(sys::cp1252ToUtf8("\xE4\xF6\xFC\xDF\xC4\xD6\xDC"), "äöüßÄÖÜ");
  EXPECT_EQ(sys::cp1252ToUtf8("\x80\x84\x93\x96\x85"), "€„“–…");
  EXPECT_EQ(sys::utf8ToCp1252("Grüße, 5 € „Zitat“"),
            "Gr\xFC\xDF"
            "e, 5 \x80 \x84Zitat\x93");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(sys::utf8ToCp1252("Ωmega ≠ 😀 ł"), "?mega ? ? ?");
}

TEST(Cp1252, MalformedUtf8IsKeptAsBytes) {
  // Bytes that are no UTF-8 sequence are taken as Windows-1252 already.
  EXPECT_EQ(sys::utf8ToCp1252("T\xFCr"), "T\xFCr");
  EXPECT_EQ(sys::utf8ToCp1252("ab\xC3"), "ab\xC3");
  // An over-long encoding of '/' is not a slash.
  EXPECT_EQ(sys::utf8ToCp1252("\xC0\xAF"), "\xC0\xAF");
  EXPECT_EQ(sys::utf8ToCp1252("\xE0\x80\xAF"), "\xE0\x80\xAF");
}

TEST(Cp1252, Utf8LengthCountsCharacters) {
  EXPECT_EQ(sys::utf8Length(""), 0);
  EXPECT_EQ(sys::utf8Length("Kroxl"), 5);
  EXPECT_EQ(sys::utf8Length("Grüße €"), 7);
  EXPECT_EQ(sys::utf8Length("😀"), 1);
}

}  // namespace
