#pragma once
#include "support/TempDir.h"

namespace sys_test {
using testsupport::readAll;
using testsupport::TempDir;
}  // namespace sys_test
