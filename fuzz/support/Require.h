#pragma once

namespace fuzzsupport {

// Stops the run when a reader breaks one of its promises: libFuzzer keeps
// the input that did it.
void require(bool condition, const char* promise);

}  // namespace fuzzsupport
