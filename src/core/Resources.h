#pragma once
#include <string_view>

namespace app {

// The bytes of a picture built into the executable ("cursor/EMPTY.bmp", ...),
// drawn by tools/datagen; empty when there is no such resource.
std::string_view resource(std::string_view name);

}  // namespace app
