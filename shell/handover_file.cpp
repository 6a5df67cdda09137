#include "shell/handover_file.h"

#include <cstdint>

#include "engine/file_access.h"
#include "engine/text_record.h"
#include "config/run_settings.h"

namespace tervalo {

void ConsumeHandOverFile() {
    if (const auto bytes = ReadFileBytes(kHandOverFileName)) {
        TextRecordReader in(*bytes);
        std::int16_t startMarker = 0;
        if (in.ReadInt16(startMarker) && in.ReadInt16(Settings.SkipWelcome) && startMarker != 0 &&
            Settings.SkipWelcome != 0)
            in.ReadText(Settings.HandOverText);
    }
    TextRecordWriter out;
    out.Int(0).EndStatement();
    out.Int(0).EndStatement();
    ReplaceFileBytes(kHandOverFileName, out.bytes());
}

}  // namespace tervalo
