// An arbitrary saturation table under a file name with a conversion of its own, then the bracket and the
// interpolation of several columns at values taken from the input, by each key.
#include <cstring>
#include <string_view>

#include "engine/saturation_lookup.h"
#include "engine/saturation_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Byte 0 chooses the file name, the next 24 bytes are three values to look up; the rest is the table
    // file.
    constexpr const char* kNames[] = {"R22.DAT", "R12.DAT", "AMMONIAK.DAT", "PROPAN.DAT", "R123.DAT"};
    double values[3] = {};
    const std::size_t head = 1 + sizeof values;
    if (size < head) return 0;
    const char* name = kNames[data[0] % (sizeof kNames / sizeof kNames[0])];
    std::memcpy(values, data + 1, sizeof values);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + head, size - head);
    {
        tervalo::SaturationTable table;
        if (tervalo::ParseSaturationTable(bytes, name, table) != tervalo::EngineStatus::Ok) return 0;
        for (const auto key : {tervalo::LookupKey::ByTemperature, tervalo::LookupKey::ByDewPressure,
                               tervalo::LookupKey::ByBubblePressure})
            for (const double value : values)
                if (const auto bracket = tervalo::BracketSaturation(table, value, key))
                    for (const auto column :
                         {&tervalo::SaturationRecord::t, &tervalo::SaturationRecord::pDew,
                          &tervalo::SaturationRecord::hLiquid, &tervalo::SaturationRecord::rhoVapour})
                        tervalo::InterpolateBracket(*bracket, value, column);
    }
    return 0;
}
