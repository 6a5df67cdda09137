#include "config/run_settings.h"

namespace tervalo {

RunSettings Settings;

void ResetRunSettings() {
    Settings = RunSettings{};
}

}  // namespace tervalo
