#include "project/energy_factors.h"

#include "engine/file_access.h"
#include "engine/text_record.h"

namespace tervalo {

EnergyFactorRead ReadEnergyFactors(std::array<double, 5>& factors) {
    // Five short numbers; a larger file is no factor file.
    constexpr std::size_t kByteLimit = 64u << 10;
    EnergyFactorRead read{FindFileNoCase(kEnergyFactorFileName).has_value(), 0};
    if (const auto bytes = ReadFileBytes(kEnergyFactorFileName, kByteLimit)) {
        TextRecordReader reader(*bytes);
        for (double& factor : factors) {
            if (!reader.ReadDouble(factor)) break;
            ++read.fieldsRead;
        }
    }
    factors[1] = 1;
    return read;
}

}  // namespace tervalo
