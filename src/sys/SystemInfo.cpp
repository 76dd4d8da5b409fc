#include "sys/SystemInfo.h"

#include <sys/statfs.h>
#include <sys/sysinfo.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sys {

MemoryStatus memoryStatus() {
  struct sysinfo info {};
  MemoryStatus status;
  if (::sysinfo(&info) != 0) return status;
  const uint64_t unit = info.mem_unit ? info.mem_unit : 1;
  const uint64_t total = info.totalram * unit;
  const uint64_t available = (info.freeram + info.bufferram) * unit;
  status.totalPhysicalBytes = total;
  if (total > 0) status.memoryLoadPercent = static_cast<int>(100 - available * 100 / total);
  return status;
}

DriveType driveType(const std::string& path) {
  struct statfs fs {};
  if (::statfs(path.c_str(), &fs) != 0) return DriveType::Other;
  switch (static_cast<uint64_t>(fs.f_type)) {
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
  // A double fork: the intermediate child exits at once and is reaped here,
  // so xdg-open runs on its own and leaves no zombie behind.
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    if (::fork() == 0) {
      ::execlp("xdg-open", "xdg-open", target.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace sys
