#include "support/Require.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

void require(bool condition, const char* promise) {
  if (condition) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

}  // namespace fuzzsupport
