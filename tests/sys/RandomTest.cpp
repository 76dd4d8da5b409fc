#include <gtest/gtest.h>

#include <vector>

#include "sys/Random.h"

namespace {

TEST(Random, TheSameSeedGivesTheSameSequence) {
  sys::Random a(42), b(42), other(43);
  std::vector<int> first, second, third;
  for (int i = 0; i < 100; ++i) {
    first.push_back(a.next(100));
    second.push_back(b.next(100));
    third.push_back(other.next(100));
  }
  EXPECT_EQ(first, second);
  EXPECT_NE(first, third);
  a.seed(42);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(a.next(100), first[static_cast<size_t>(i)]) << i;
}

TEST(Random, NextStaysInRangeAndCoversIt) {
  sys::Random random(7);
  for (int n : {1, 2, 3, 6, 100, 1000}) {
    std::vector<int> hits(static_cast<size_t>(n));
    for (int i = 0; i < n * 50; ++i) {
      const int value = random.next(n);
      ASSERT_GE(value, 0);
      ASSERT_LT(value, n);
      ++hits[static_cast<size_t>(value)];
    }
    for (int v = 0; v < n; ++v) EXPECT_GT(hits[static_cast<size_t>(v)], 0) << v << " of " << n;
  }
  EXPECT_EQ(random.next(0), 0);
  EXPECT_EQ(random.next(-5), 0);
}

}  // namespace
