#include "shell/handover_file.h"

#include <cstdint>

#include "config/run_settings.h"
#include "engine/file_access.h"
#include "engine/text_record.h"

namespace tervalo {

namespace {

// Two numbers and a short text; a larger file is read as holding nothing.
constexpr std::size_t kHandOverFileLimit = 16u << 10;

}  // namespace

void ConsumeHandOverFile() {
    if (const auto bytes = ReadFileBytes(kHandOverFileName, kHandOverFileLimit)) {
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
