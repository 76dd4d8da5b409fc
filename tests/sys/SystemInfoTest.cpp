#include <gtest/gtest.h>
#include <sys/statfs.h>

#include "sys/SystemInfo.h"

namespace {

constexpr long kTmpfsMagic = 0x01021994;

TEST(SystemInfo, DriveTypeOfSpecialFileSystems) {
  EXPECT_EQ(sys::driveType("/proc"), sys::DriveType::Other);
  EXPECT_EQ(sys::driveType("/no/such/path"), sys::DriveType::Other);

  struct statfs fs {};
  if (::statfs("/dev/shm", &fs) != 0 || fs.f_type != kTmpfsMagic) GTEST_SKIP() << "/dev/shm is no tmpfs here";
  EXPECT_EQ(sys::driveType("/dev/shm"), sys::DriveType::RamDisk);
}

TEST(SystemInfo, MemoryStatusIsPlausible) {
  const sys::MemoryStatus status = sys::memoryStatus();
  EXPECT_GT(status.totalPhysicalBytes, 16u << 20);
  EXPECT_GE(status.memoryLoadPercent, 0);
  EXPECT_LE(status.memoryLoadPercent, 100);
}

}  // namespace
