#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <filesystem>

#include "TempDir.h"
#include "sys/FileIo.h"
#include "sys/TextList.h"

using sys_test::readAll;
using sys_test::TempDir;

namespace {

TEST(FileIo, AtomicWriteReplacesTheOldFileWholeAndLeavesNoTempFile) {
  TempDir dir;
  const std::string path = dir.write("optionsNT.pre", std::string(10000, 'a'));
  ASSERT_TRUE(sys::writeFileAtomic(path, "kurz\r\n").ok());
  EXPECT_EQ(readAll(path), "kurz\r\n");
  EXPECT_EQ(dir.entryCount(), 1);

  const std::string binary("\0\x01\xFF\r\n", 5);
  ASSERT_TRUE(sys::writeFileAtomic(dir.file("new.kvt"), binary).ok());
  EXPECT_EQ(readAll(dir.file("new.kvt")), binary);
  EXPECT_EQ(dir.entryCount(), 2);
}

TEST(FileIo, AFailedAtomicWriteKeepsWhatWasThere) {
  TempDir dir;
  const auto missingDir = sys::writeFileAtomic(dir.file("fehlt/x.txt"), "x");
  ASSERT_FALSE(missingDir.ok());
  EXPECT_NE(missingDir.error().message.find("fehlt/x.txt"), std::string::npos) << missingDir.error().message;

  // A directory in the way cannot be replaced by a file.
  dir.write("savegames/keep.kvt", "alt");
  EXPECT_FALSE(sys::writeFileAtomic(dir.file("savegames"), "neu").ok());
  EXPECT_EQ(readAll(dir.file("savegames/keep.kvt")), "alt");
  EXPECT_EQ(dir.entryCount(), 1) << "the temporary file is gone";
}

TEST(FileIo, ReadFileRefusesWhatItCannotReadWhole) {
  TempDir dir;
  EXPECT_EQ(sys::readFile(dir.write("a.txt", "abc")).value(), "abc");
  EXPECT_EQ(sys::readFile(dir.write("empty.txt", "")).value(), "");
  const auto missing = sys::readFile(dir.file("missing.txt"));
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().message.find("missing.txt"), std::string::npos);
  EXPECT_FALSE(sys::readFile(dir.path()).ok());
  const auto big = sys::readFile(dir.write("big.txt", std::string(100, 'x')), 99);
  ASSERT_FALSE(big.ok());
  EXPECT_NE(big.error().message.find("too large"), std::string::npos);
  EXPECT_TRUE(sys::removeFile(dir.file("big.txt")));
  EXPECT_FALSE(sys::removeFile(dir.file("big.txt")));
}

// The number of a process that has ended.
pid_t deadProcess() {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(0);
  ::waitpid(pid, nullptr, 0);
  return pid;
}

// A kill during a write used to leave its NAME.tmpPID for ever.
TEST(FileIo, StaleTemporariesOfOurOwnNamingAreRemovedAndOnlyThose) {
  TempDir dir;
  const std::string dead = std::to_string(deadProcess()), alive = std::to_string(::getppid());
  dir.write("optionsNT.pre.tmp" + dead, "halb");
  dir.write("optionsNT.pre.tmp" + alive, "schreibt gerade");
  const std::string reused = dir.write("temp.bmp.tmp" + alive, "alt");
  const utimbuf yearAgo{::time(nullptr) - 365 * 86400, ::time(nullptr) - 365 * 86400};
  ASSERT_EQ(::utime(reused.c_str(), &yearAgo), 0) << "written long before that process started";
  dir.write("abend.kvt.tmp" + dead, "halb");
  dir.write("notiz.tmp" + dead + "x", "fremd");

  ASSERT_TRUE(sys::writeFileAtomic(dir.file("optionsNT.pre"), "neu").ok());
  EXPECT_FALSE(std::filesystem::exists(dir.file("optionsNT.pre.tmp" + dead)));
  EXPECT_TRUE(std::filesystem::exists(dir.file("optionsNT.pre.tmp" + alive))) << "a live writer's";
  EXPECT_TRUE(std::filesystem::exists(dir.file("abend.kvt.tmp" + dead))) << "another file's";

  const int removed = sys::removeStaleTemporaries(
      dir.path(), [](const std::string& name) { return name == "temp.bmp" || name.ends_with(".kvt"); });
  EXPECT_EQ(removed, 2);
  EXPECT_EQ(dir.entryCount(), 3) << "the options file, the live writer's and the stranger's";
}

// A named pipe in place of a file used to block the reader for ever in open().
TEST(FileIo, ReadersRefuseWhatIsNoRegularFileWithoutWaiting) {
  TempDir dir;
  const std::string fifo = dir.file("eye1.bmp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const auto read = sys::readFile(fifo);
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.error().message.find("not a regular file"), std::string::npos) << read.error().message;
  EXPECT_FALSE(sys::openRegularFile(fifo).ok());
  sys::TextList list{"bleibt"};
  EXPECT_FALSE(list.loadFromFile(fifo).ok());
  EXPECT_EQ(list.get(0), "bleibt");
  EXPECT_FALSE(sys::readFile("/dev/null").ok()) << "a device is no file either";
}

}  // namespace
