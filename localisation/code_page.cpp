#include "localisation/code_page.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "localisation/code_page_tables.h"
#include "localisation/languages.h"

namespace tervalo {

namespace {

const CodePageTable* TableOf(int codePage) {
    const auto found =
        std::find_if(kCodePageTables.begin(), kCodePageTables.end(),
                     [codePage](const CodePageTable& table) { return table.codePage == codePage; });
    return found == kCodePageTables.end() ? nullptr : &*found;
}

void AppendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool ContinuesToTheEnd(std::string_view rest) {
    return std::all_of(rest.begin(), rest.end(),
                       [](char byte) { return IsContinuation(static_cast<unsigned char>(byte)); });
}

// The length of the UTF-8 sequence that `lead` starts; 1 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
    return lead >= 0xC2 && lead <= 0xDF   ? 2
           : lead >= 0xE0 && lead <= 0xEF ? 3
           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                          : 1;
}

// Whether the second byte of a sequence may follow `lead`: the ranges that rule out overlong forms,
// surrogates and characters beyond U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    if (lead == 0xE0) return second >= 0xA0;
    if (lead == 0xED) return second < 0xA0;
    if (lead == 0xF0) return second >= 0x90;
    if (lead == 0xF4) return second < 0x90;
    return true;
}

// The byte that holds `character` in the code page, or nothing.
std::optional<char> ByteOf(const CodePageTable& table, char32_t character) {
    if (character >= kUndefinedByte) return std::nullopt;
    const auto found = std::find(table.characters.begin(), table.characters.end(), character);
    if (found == table.characters.end()) return std::nullopt;
    return static_cast<char>(found - table.characters.begin());
}

constexpr int kWesternCodePage = 1252;

}  // namespace

int CodePageOf(std::string_view code) {
    if (const LanguageRow* language = FindLanguage(code)) return language->codePage;
    return kWesternCodePage;
}

std::string CodePageToUtf8(std::string_view bytes, int codePage) {
    const CodePageTable* table = TableOf(codePage);
    std::string utf8;
    if (table == nullptr) return utf8;
    utf8.reserve(bytes.size());
    for (const char byte : bytes) {
        const char16_t character = table->characters[static_cast<unsigned char>(byte)];
        AppendUtf8(utf8, character == kUndefinedByte ? char32_t{0xFFFD} : char32_t{character});
    }
    return utf8;
}

std::string Utf8ToCodePage(std::string_view utf8, int codePage) {
    const CodePageTable* table = TableOf(codePage);
    std::string bytes;
    if (table == nullptr) return bytes;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = SequenceLength(lead);
        const std::size_t left = utf8.size() - at;
        std::size_t valid = 1;  // bytes of a well-formed sequence from `at`
        while (valid < std::min(length, left) && IsContinuation(static_cast<unsigned char>(utf8[at + valid])))
            ++valid;
        const bool secondFits = valid < 2 || SecondByteFits(lead, static_cast<unsigned char>(utf8[at + 1]));
        // A sequence cut off at the end is one character lost, also where its lead byte could start no
        // character today: the lead bytes of the old five- and six-byte forms and F5 to F7 count there.
        const std::size_t cutLength = lead >= 0xFC && lead <= 0xFD   ? 6
                                      : lead >= 0xF8 && lead <= 0xFB ? 5
                                      : lead >= 0xF0 && lead <= 0xF7 ? 4
                                                                     : length;
        if (cutLength > left && cutLength > 1 && ContinuesToTheEnd(utf8.substr(at + 1))) {
            bytes += '?';
            break;
        }
        if (valid < length) {
            bytes += '?';  // not UTF-8: the byte is stepped over
            ++at;
            continue;
        }
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i)
            character = character << 6 | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        const auto byte =
            lead < 0x80 || (length > 1 && secondFits) ? ByteOf(*table, character) : std::nullopt;
        bytes += byte.value_or('?');
        at += length;
    }
    return bytes;
}

bool DecodesCleanly(std::string_view bytes, int codePage) {
    const CodePageTable* table = TableOf(codePage);
    return table != nullptr && std::none_of(bytes.begin(), bytes.end(), [table](char byte) {
               return table->characters[static_cast<unsigned char>(byte)] == kUndefinedByte;
           });
}

}  // namespace tervalo
