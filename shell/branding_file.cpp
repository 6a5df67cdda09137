#include "shell/branding_file.h"

#include <array>
#include <string>

#include "config/run_settings.h"
#include "engine/char_mapping.h"
#include "engine/fixed_record.h"
#include "engine/number_text.h"
#include "engine/text_util.h"

namespace tervalo {

namespace {

// The file holds 1000 records of 3 bytes; a file far larger is read as missing.
constexpr std::size_t kBrandingFileLimit = 16u << 10;

long RecordNumber(const FixedRecordFile& file, long n) {
    const double value = LeadingNumber(file.Record(n));
    if (!(value > -2147483648.0 && value < 2147483647.0)) return 0;
    return static_cast<long>(RoundHalfEven(value));
}

std::string DecodeBlock(const FixedRecordFile& file, long first, long last, long shift) {
    std::string text;
    for (long n = first; n <= last; ++n) {
        const int code = MapDosToWindows(static_cast<int>(RecordNumber(file, n) - shift));
        if (code >= 0 && code <= 255) text.push_back(static_cast<char>(code));
    }
    return TrimBlanks(text);
}

// A control character other than NUL, which a block's unused records give when its shift is 0.
bool HasControlCharacter(const std::string& text) {
    for (const char c : text)
        if ((c > 0 && c < 0x20) || c == 0x7F) return true;
    return false;
}

}  // namespace

bool ReadBranding() {
    const FixedRecordFile file = FixedRecordFile::Load(kBrandingFileName, 3, kBrandingFileLimit);
    const long shift = RecordNumber(file, 153);
    const std::array<std::string, 6> texts = {
        DecodeBlock(file, 201, 299, shift), DecodeBlock(file, 401, 499, shift),
        DecodeBlock(file, 601, 700, shift), DecodeBlock(file, 701, 800, shift),
        DecodeBlock(file, 801, 900, shift), DecodeBlock(file, 901, 1000, shift)};
    bool sound = true;
    for (const std::string& text : texts) sound = sound && !HasControlCharacter(text);
    if (file.bytes().empty() || !sound) {
        Settings.ProductName = kDefaultProductName;
        Settings.NoticeLine = kDefaultNoticeLine;
        Settings.WebAddress = kDefaultWebAddress;
        return sound;
    }
    Settings.ProductName = texts[0];
    Settings.NoticeLine = texts[1];
    Settings.WebAddress = texts[2];
    Settings.OwnerLines = {texts[3], texts[4], texts[5]};
    Settings.UserName = Settings.OwnerLines[0];
    return true;
}

}  // namespace tervalo
