#pragma once
#include <cstdint>
#include <string>

namespace sys {

enum class DriveType { Other, Network, CdRom, RamDisk };

struct MemoryStatus {
  uint64_t totalPhysicalBytes = 0;
  int memoryLoadPercent = 0;  // share of physical memory in use
};

MemoryStatus memoryStatus();

// The kind of file system a path lies on: NFS, CIFS and SMB are network
// drives, ISO 9660 and UDF CD-ROMs, tmpfs and ramfs RAM disks.
DriveType driveType(const std::string& path);

// Opens a document or address with the desktop's default program (xdg-open).
// Returns false where there is no xdg-open or it fails (no program for the
// document); one that is still busy after a few seconds counts as opened.
bool shellOpen(const std::string& target);

}  // namespace sys
