#include "shell/run_settings.h"

#include "engine/dialog_mode.h"

namespace tervalo {

RunSettings Settings;

void ResetRunSettings() {
    Settings = RunSettings{};
    DialogMode = 0;
}

}  // namespace tervalo
