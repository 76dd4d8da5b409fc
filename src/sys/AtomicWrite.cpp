// Writing a file so that a crash or a kill at any moment leaves either the
// old file or the new one, and cleaning up after writers that were killed.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "sys/FileIo.h"

namespace sys {
namespace {

constexpr const char* kTemporaryMark = ".tmp";

std::string directoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

// The writer's process number of a temporary NAME.tmpPID, or -1 when the
// entry is not one.
pid_t writerOf(const std::string& entry, std::string* name) {
  const size_t mark = entry.rfind(kTemporaryMark);
  if (mark == std::string::npos || mark == 0) return -1;
  const std::string digits = entry.substr(mark + std::strlen(kTemporaryMark));
  if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
    return -1;
  *name = entry.substr(0, mark);
  return static_cast<pid_t>(std::stol(digits));
}

// When a process started, in seconds since the epoch; -1 when unknown.
double startOf(pid_t pid) {
  std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
  std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
  const size_t end = stat.rfind(')');  // the name in parentheses may hold anything
  if (end == std::string::npos) return -1;
  // The start, in clock ticks since boot, is the 20th field after the name.
  std::istringstream fields(stat.substr(end + 1));
  std::string field;
  for (int i = 0; i < 20; ++i)
    if (!(fields >> field)) return -1;
  std::ifstream system("/proc/stat");
  std::string key;
  long long bootTime = -1;
  while (system >> key)
    if (key == "btime" && system >> bootTime) break;
  if (bootTime < 0) return -1;
  const double ticks = std::strtod(field.c_str(), nullptr);
  return static_cast<double>(bootTime) + ticks / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

// A writer is gone when its process is, or when the process of that number
// started only after the temporary was last written to.
bool writerGone(pid_t pid, const struct stat& temporary) {
  if (pid == ::getpid()) return true;  // writes run one at a time, so not one of ours now
  if (::kill(pid, 0) != 0 && errno == ESRCH) return true;
  const double started = startOf(pid);
  return started >= 0 && started > static_cast<double>(temporary.st_mtime) + 1;
}

Error failure(const std::string& path, const std::string& tmp) {
  const std::string why = std::strerror(errno);
  ::unlink(tmp.c_str());
  return Error::inFile(path, why);
}

}  // namespace

int removeStaleTemporaries(const std::string& dir, const std::function<bool(const std::string& name)>& ours) {
  DIR* d = ::opendir(dir.c_str());
  if (!d) return 0;
  int removed = 0;
  while (const dirent* e = ::readdir(d)) {
    std::string name;
    const pid_t pid = writerOf(e->d_name, &name);
    if (pid <= 0 || !ours(name)) continue;
    const std::string path = dir + "/" + e->d_name;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (writerGone(pid, st) && ::unlink(path.c_str()) == 0) ++removed;
  }
  ::closedir(d);
  return removed;
}

void syncDirectory(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

Result<void> writeFileAtomic(const std::string& path, const std::string& bytes) {
  const std::string dir = directoryOf(path);
  const std::string target = nameOf(path);
  removeStaleTemporaries(dir, [&](const std::string& name) { return name == target; });

  // A fresh file of our own: nothing planted under the name (a link, a
  // pipe) is followed or written into.
  const std::string tmp = path + kTemporaryMark + std::to_string(::getpid());
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return Error::inFile(path, std::strerror(errno));
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      Error e = failure(path, tmp);
      ::close(fd);
      return e;
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) {
    Error e = failure(path, tmp);
    ::close(fd);
    return e;
  }
  if (::close(fd) != 0) return failure(path, tmp);
  if (::rename(tmp.c_str(), path.c_str()) != 0) return failure(path, tmp);
  syncDirectory(dir);
  return {};
}

}  // namespace sys
