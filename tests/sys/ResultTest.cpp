// The one result type of the readers: a value or an error, moved without copies.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "sys/Result.h"

namespace {

sys::Result<std::unique_ptr<int>> owned(bool good) {
  if (!good) return sys::Error::inFile("a.bmp", "too short");
  return std::make_unique<int>(7);
}

TEST(Result, CarriesAValueOrAnErrorThatNamesTheFile) {
  auto good = owned(true);
  ASSERT_TRUE(good.ok());
  std::unique_ptr<int> taken = std::move(good).value();
  EXPECT_EQ(*taken, 7) << "a value that cannot be copied is moved out";

  const auto bad = owned(false);
  EXPECT_FALSE(bad);
  EXPECT_EQ(bad.error().message, "a.bmp: too short");

  const sys::Result<void> written;
  EXPECT_TRUE(written.ok());
  const sys::Result<void> refused = sys::Error{"x: no room"};
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().message, "x: no room");
}

}  // namespace
