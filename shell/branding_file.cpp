#include "shell/branding_file.h"

#include <string>

#include "engine/char_mapping.h"
#include "engine/fixed_record.h"
#include "engine/number_text.h"
#include "engine/text_util.h"
#include "config/run_settings.h"

namespace tervalo {

namespace {


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

}  // namespace

void ReadBranding() {
    const FixedRecordFile file = FixedRecordFile::Load(kBrandingFileName, 3);
    if (file.bytes().empty()) {
        Settings.ProductName = kDefaultProductName;
        Settings.NoticeLine = kDefaultNoticeLine;
        Settings.WebAddress = kDefaultWebAddress;
        return;
    }
    const long shift = RecordNumber(file, 153);
    Settings.ProductName = DecodeBlock(file, 201, 299, shift);
    Settings.NoticeLine = DecodeBlock(file, 401, 499, shift);
    Settings.WebAddress = DecodeBlock(file, 601, 700, shift);
    Settings.OwnerLines[0] = DecodeBlock(file, 701, 800, shift);
    Settings.UserName = Settings.OwnerLines[0];
    Settings.OwnerLines[1] = DecodeBlock(file, 801, 900, shift);
    Settings.OwnerLines[2] = DecodeBlock(file, 901, 1000, shift);
}

}  // namespace tervalo
