// The code-page tables against the C library's iconv they were generated from: every byte, every character of
// the Basic Multilingual Plane, and malformed UTF-8 of every shape. Runs where glibc's iconv is.

#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <cerrno>
#include <set>
#include <string>
#include <vector>

#include "localisation/code_page.h"
#include "localisation/languages.h"

namespace tervalo {
namespace {

// The code pages of the languages: each must have its table.
std::set<int> CodePagesOfTheLanguages() {
    std::set<int> codePages;
    for (const LanguageRow& language : Languages()) codePages.insert(language.codePage);
    return codePages;
}

// The conversion as Tervalo made it with iconv: whatever the target cannot take becomes `replacement`, and
// the input steps over one byte, or one whole well-formed UTF-8 sequence; input cut off at the end becomes
// one replacement. One handle serves many short texts: glibc converts again from the start of a text to find
// where an error lies, which makes long texts with many errors slow.
class Iconv {
  public:
    Iconv(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str())), fromUtf8_(from == "UTF-8") {}
    ~Iconv() { iconv_close(handle_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    std::string Convert(const std::string& input, const std::string& replacement) {
        std::string output;
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            std::array<char, 64> buffer;
            char* out = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer.data(), buffer.size() - outLeft);
            if (result != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            output += replacement;
            const std::size_t step = errno == EINVAL ? inLeft : StepOver(in, inLeft);
            in += step;
            inLeft -= step;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        return output;
    }

  private:
    std::size_t StepOver(const char* in, std::size_t left) const {
        const auto lead = static_cast<unsigned char>(in[0]);
        const std::size_t length = !fromUtf8_                     ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 1;
        if (length > left) return 1;
        for (std::size_t i = 1; i < length; ++i)
            if ((static_cast<unsigned char>(in[i]) & 0xC0) != 0x80) return 1;
        return length;
    }

    iconv_t handle_;
    bool fromUtf8_;
};

std::string Name(int codePage) {
    return "CP" + std::to_string(codePage);
}

std::string Utf8Of(char32_t character) {
    std::string text;
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
    return text;
}

TEST(CodePageTables, EveryByteDecodesAsIconvDecodesIt) {
    for (const int codePage : CodePagesOfTheLanguages()) {
        Iconv decode("UTF-8", Name(codePage));
        for (int byte = 0; byte < 256; ++byte) {
            const std::string text(1, static_cast<char>(byte));
            const std::string expected = decode.Convert(text, "\xEF\xBF\xBD");
            EXPECT_EQ(CodePageToUtf8(text, codePage), expected) << codePage << " byte " << byte;
            EXPECT_EQ(DecodesCleanly(text, codePage), expected != "\xEF\xBF\xBD")
                << codePage << " byte " << byte;
        }
    }
}

TEST(CodePageTables, EveryCharacterOfTheBasicPlaneEncodesAsIconvEncodesIt) {
    for (const int codePage : CodePagesOfTheLanguages()) {
        Iconv encode(Name(codePage), "UTF-8");
        for (char32_t character = 0; character < 0x10000; ++character) {
            if (character >= 0xD800 && character <= 0xDFFF) continue;
            const std::string text = Utf8Of(character);
            ASSERT_EQ(Utf8ToCodePage(text, codePage), encode.Convert(text, "?"))
                << codePage << " U+" << std::hex << static_cast<unsigned>(character);
        }
    }
}

TEST(CodePageTables, MalformedUtf8BecomesWhatIconvMadeOfIt) {
    // Lead bytes, continuation bytes at the edges of the ranges that rule out overlong forms, surrogates and
    // characters beyond U+10FFFF, and bytes that end a sequence early.
    const std::vector<unsigned char> bytes = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0,
                                              0xBF, 0xC0, 0xC1, 0xC2, 0xC3, 0xDF, 0xE0, 0xE2,
                                              0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xF8, 0xFE, 0xFF};
    Iconv encode("CP1252", "UTF-8");
    for (const unsigned char first : bytes)
        for (const unsigned char second : bytes)
            for (const unsigned char third : bytes)
                for (const std::string& tail : {std::string(), std::string("\x80"), std::string("\x80Z")}) {
                    const std::string text = std::string{static_cast<char>(first), static_cast<char>(second),
                                                         static_cast<char>(third)} +
                                             tail;
                    for (std::size_t length = 1; length <= text.size(); ++length) {
                        const std::string part = text.substr(0, length);
                        ASSERT_EQ(Utf8ToCodePage(part, 1252), encode.Convert(part, "?"))
                            << testing::PrintToString(part);
                    }
                }
}

}  // namespace
}  // namespace tervalo
