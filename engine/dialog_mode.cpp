#include "engine/dialog_mode.h"

namespace tervalo {

std::int16_t DialogMode = 0;

}  // namespace tervalo
