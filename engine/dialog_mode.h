#pragma once

#include <cstdint>

namespace tervalo {

// One value shared by several windows for the whole run: the welcome window's start picture, the print
// confirmation of the print settings, and the saturation-table lookups, which reset it.
extern std::int16_t DialogMode;

}  // namespace tervalo
