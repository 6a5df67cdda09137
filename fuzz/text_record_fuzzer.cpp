// Feeds arbitrary bytes to the text-record reader, mixing the kinds of field reads as the program's loaders do.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/text_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tervalo::TextRecordReader reader(bytes);
    std::string text;
    std::int16_t small = 0;
    std::int32_t large = 0;
    double number = 0;
    for (unsigned step = 0; !reader.AtEnd(); ++step) {
        switch (step % 4) {
            case 0: reader.ReadText(text); break;
            case 1: reader.ReadInt16(small); break;
            case 2: reader.ReadInt32(large); break;
            default: reader.ReadDouble(number); break;
        }
    }
    tervalo::TextRecordWriter writer;
    writer.Text(text).Int(small).EndStatement();
    return 0;
}
