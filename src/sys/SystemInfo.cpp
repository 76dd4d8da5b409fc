#include "sys/SystemInfo.h"

#include <sys/statfs.h>
#include <sys/sysinfo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>

namespace sys {
namespace {

// The kernel's estimate of memory that is free for new programs, page cache
// included (Windows counts its cache as available too); 0 if unknown.
uint64_t availableBytesFromMeminfo() {
  std::ifstream meminfo("/proc/meminfo");
  std::string line;
  unsigned long long kib = 0;
  while (std::getline(meminfo, line))
    if (std::sscanf(line.c_str(), "MemAvailable: %llu kB", &kib) == 1) return kib * 1024;
  return 0;
}

}  // namespace

MemoryStatus memoryStatus() {
  struct sysinfo info {};
  MemoryStatus status;
  if (::sysinfo(&info) != 0) return status;
  const uint64_t unit = info.mem_unit ? info.mem_unit : 1;
  const uint64_t total = info.totalram * unit;
  uint64_t available = availableBytesFromMeminfo();
  if (available == 0) available = (info.freeram + info.bufferram) * unit;
  available = std::min(available, total);
  status.totalPhysicalBytes = total;
  if (total > 0) status.memoryLoadPercent = static_cast<int>(100 - available * 100 / total);
  return status;
}

DriveType driveType(const std::string& path) {
  struct statfs fs {};
  if (::statfs(path.c_str(), &fs) != 0) return DriveType::Other;
  // The magic numbers are 32-bit; f_type is a signed word whose width varies.
  switch (static_cast<uint32_t>(fs.f_type)) {
    case 0x6969:      // NFS
    case 0x517B:      // SMB
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB2
      return DriveType::Network;
    case 0x9660:      // ISO 9660
    case 0x15013346:  // UDF
      return DriveType::CdRom;
    case 0x01021994:  // tmpfs
    case 0x858458F6:  // ramfs
      return DriveType::RamDisk;
    default:
      return DriveType::Other;
  }
}

bool shellOpen(const std::string& target) {
  // A double fork: the intermediate child reports how xdg-open ended, or
  // gives up waiting and exits, leaving xdg-open to run on its own (no
  // zombie: init adopts it).
  constexpr int kWaitSteps = 60, kStepMicroseconds = 50000;
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    const pid_t opener = ::fork();
    if (opener == 0) {
      ::execlp("xdg-open", "xdg-open", target.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    if (opener < 0) ::_exit(1);
    for (int step = 0; step < kWaitSteps; ++step) {
      int status = 0;
      if (::waitpid(opener, &status, WNOHANG) == opener)
        ::_exit(WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1);
      ::usleep(kStepMicroseconds);
    }
    ::_exit(0);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace sys
