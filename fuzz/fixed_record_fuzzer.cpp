// Arbitrary bytes as the branding file and the parameter file, read by the program's own start-up steps.
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "config/run_settings.h"
#include "engine/fixed_record.h"
#include "shell/branding_file.h"
#include "shell/parameter_file.h"

namespace {

void Write(const char* name, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tervalo::ResetRunSettings();
    Write(tervalo::kBrandingFileName, data, size);
    tervalo::ReadBranding();
    Write(tervalo::kParameterFileName, data, size);
    tervalo::CheckParameterFile("/fuzz/program directory");
    const tervalo::FixedRecordFile help =
        tervalo::FixedRecordFile::Load(tervalo::kParameterFileName, 128, 1u << 20);
    for (long n = 0; n <= help.RecordCount() + 1; ++n) help.Record(n);
    return 0;
}
