#pragma once

// Shared by the fuzz targets: one input cut into several files, and the files laid down in the current
// directory (the fuzzers run in a directory of their own, in memory where the machine has /dev/shm).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace fuzz {

// The line that separates the files of one input; the seed corpora are real files joined by it.
inline constexpr std::string_view kSeparator = "\n--next file--\n";

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// The input cut at the separators into exactly `count` parts: parts beyond the last separator are empty, and
// the last part takes the rest of the input, separators included.
inline std::vector<std::string_view> Parts(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::string_view rest = Bytes(data, size);
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t at = rest.find(kSeparator);
        if (at == std::string_view::npos) break;
        parts.push_back(rest.substr(0, at));
        rest.remove_prefix(at + kSeparator.size());
    }
    parts.push_back(rest);
    parts.resize(count);
    return parts;
}

// Writes `bytes` as the file `name`; an empty part stands for a missing file.
inline void LayDown(const std::filesystem::path& name, std::string_view bytes) {
    std::error_code ignored;
    std::filesystem::remove(name, ignored);
    if (bytes.empty()) return;
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace fuzz
