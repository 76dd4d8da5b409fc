#include "sys/Clock.h"

#include <chrono>
#include <ctime>

namespace sys {

int64_t SteadyClock::nowMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {
std::string formatNow(const char* format) {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[64];
  std::strftime(buf, sizeof buf, format, &tm);
  return buf;
}
}  // namespace

std::string shortDate() {
  return formatNow("%d.%m.%Y");
}
std::string longTime() {
  return formatNow("%H:%M:%S");
}

}  // namespace sys
