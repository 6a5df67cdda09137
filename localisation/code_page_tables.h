#pragma once

// The characters of the bytes of the Windows code pages the languages use, generated from the C library's
// iconv by data/tools/code_page_tables.py (data/tools/code_page_tables.cpp).

#include <array>
#include <cstddef>

namespace tervalo {

// A byte that the code page leaves undefined.
inline constexpr char16_t kUndefinedByte = 0xFFFF;

struct CodePageTable {
    int codePage;
    std::array<char16_t, 256> characters;  // by byte; kUndefinedByte where none
};

inline constexpr std::size_t kCodePageCount = 6;
extern const std::array<CodePageTable, kCodePageCount> kCodePageTables;

}  // namespace tervalo
