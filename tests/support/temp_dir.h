#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace tervalo::test {

// A fresh temporary directory that is also the current directory while the object lives: the program opens
// its files by bare name in the current directory, so tests run it inside a directory of their own.
class ScopedTempDir {
  public:
    ScopedTempDir() : previous_(std::filesystem::current_path()) {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("tervalo-test-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~ScopedTempDir() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        // Read-only files inside would stop remove_all on some systems.
        // Stepped with an error code: the range-for's step throws, and a destructor that throws ends the
        // program (wine's file system refuses to step into a path of thousands of characters).
        std::error_code walk;
        for (std::filesystem::recursive_directory_iterator entry(path_, walk), end; !walk && entry != end;
             entry.increment(walk))
            std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// `bytes` followed by zeros up to `size` bytes, without writing them (a sparse file): huge files for limit
// tests.
inline void WriteLongFile(const std::filesystem::path& file, std::string_view bytes, std::uintmax_t size) {
    WriteBytes(file, bytes);
    std::filesystem::resize_file(file, size);
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// How many entries `directory` holds: after a save, the files themselves and no temporary.
inline int EntryCount(const std::filesystem::path& directory = ".") {
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory)) ++entries;
    return entries;
}

}  // namespace tervalo::test
