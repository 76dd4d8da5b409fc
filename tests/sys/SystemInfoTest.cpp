#include <gtest/gtest.h>
#include <sys/statfs.h>

#include <cstdlib>
#include <filesystem>

#include "sys/SystemInfo.h"
#include "sys/TempDir.h"

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

// The desktop's opener as a script on a PATH of its own: whether it took the
// document is its exit status; with no opener at all nothing opens.
TEST(SystemInfo, ShellOpenSaysWhetherAProgramTookTheDocument) {
  sys_test::TempDir dir;
  const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  const auto opener = [&](const std::string& body) {
    const std::string script = dir.write("xdg-open", "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  };
  ::setenv("PATH", dir.path().c_str(), 1);
  EXPECT_FALSE(sys::shellOpen("/tmp/readme.txt"));
  opener("echo \"$1\" > " + dir.file("opened") + "; exit 0");
  EXPECT_TRUE(sys::shellOpen("/tmp/readme.txt"));
  opener("exit 3");  // xdg-open: no program for this kind of file
  EXPECT_FALSE(sys::shellOpen("/tmp/readme.txt"));
  ::setenv("PATH", savedPath.c_str(), 1);
  EXPECT_EQ(sys_test::readAll(dir.file("opened")), "/tmp/readme.txt\n");
}

}  // namespace
