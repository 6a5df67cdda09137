#include "localisation/code_page.h"

#include <iconv.h>

#include <array>
#include <cerrno>

#include "localisation/languages.h"

namespace tervalo {

namespace {

// One conversion with a replacement for whatever the target cannot take: iconv stops at such input, so the
// offending input is stepped over and the replacement appended.
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Returns the converted text; `clean` reports whether nothing had to be replaced.
    std::string Convert(std::string_view input, std::string_view replacement, std::size_t skip, bool& clean) {
        clean = true;
        std::string output;
        if (!valid()) {
            clean = false;
            return output;
        }
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::array<char, 4096> buffer;
        while (inLeft > 0) {
            char* out = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer.data(), buffer.size() - outLeft);
            if (result != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: an input sequence that has no place in the target, or a cut one.
            clean = false;
            output.append(replacement);
            const std::size_t step = errno == EILSEQ ? SequenceLength(in, inLeft, skip) : inLeft;
            in += step;
            inLeft -= step;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return output;
    }

  private:
    // How much input to step over: one byte for a code page; for UTF-8 one whole character, or one byte of a
    // sequence that is not valid UTF-8.
    static std::size_t SequenceLength(const char* in, std::size_t left, std::size_t skip) {
        if (skip == 1) return 1;
        const auto lead = static_cast<unsigned char>(in[0]);
        const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 1;
        if (length > left) return 1;
        for (std::size_t i = 1; i < length; ++i)
            if ((static_cast<unsigned char>(in[i]) & 0xC0) != 0x80) return 1;
        return length;
    }

    iconv_t handle_;
};

constexpr int kWesternCodePage = 1252;

std::string CodePageName(int codePage) {
    return "CP" + std::to_string(codePage);
}

}  // namespace

int CodePageOf(std::string_view code) {
    if (const LanguageRow* language = FindLanguage(code)) return language->codePage;
    return kWesternCodePage;
}

std::string CodePageToUtf8(std::string_view bytes, int codePage) {
    Converter converter("UTF-8", CodePageName(codePage).c_str());
    bool clean = true;
    return converter.Convert(bytes, "\xEF\xBF\xBD", 1, clean);
}

std::string Utf8ToCodePage(std::string_view utf8, int codePage) {
    Converter converter(CodePageName(codePage).c_str(), "UTF-8");
    bool clean = true;
    return converter.Convert(utf8, "?", 0, clean);
}

bool DecodesCleanly(std::string_view bytes, int codePage) {
    Converter converter("UTF-8", CodePageName(codePage).c_str());
    bool clean = true;
    converter.Convert(bytes, "", 1, clean);
    return clean;
}

}  // namespace tervalo
