// Feeds arbitrary bytes to the text-record reader, mixing the kinds of field reads as the program's loaders
// do, once over the bytes in memory and once over a stream of them: both paths must read the same fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>

#include "engine/text_record.h"

namespace {

// Every field's outcome, in order.
std::string ReadAll(tervalo::TextRecordReader& reader) {
    std::string trace;
    std::string text;
    std::int16_t small = 0;
    std::int32_t large = 0;
    double number = 0;
    for (unsigned step = 0; !reader.AtEnd(); ++step) {
        bool read = false;
        switch (step % 4) {
            case 0:
                read = reader.ReadText(text);
                trace += text;
                break;
            case 1:
                read = reader.ReadInt16(small);
                trace += std::to_string(small);
                break;
            case 2:
                read = reader.ReadInt32(large);
                trace += std::to_string(large);
                break;
            default:
                read = reader.ReadDouble(number);
                // Bytes, so that NaN compares equal to NaN.
                trace.append(reinterpret_cast<const char*>(&number), sizeof number);
                break;
        }
        trace += read ? '+' : '-';
        trace += reader.LastFieldWasQuoted() ? 'q' : 'u';
    }
    tervalo::TextRecordWriter writer;
    writer.Text(text).Int(small).EndStatement();
    return trace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tervalo::TextRecordReader inMemory(bytes);
    std::istringstream stream{std::string(bytes)};
    tervalo::TextRecordReader fromStream(stream);
    if (ReadAll(inMemory) != ReadAll(fromStream)) std::abort();  // the two paths disagree
    return 0;
}
