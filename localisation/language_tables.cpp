#include "localisation/language_tables.h"

#include <optional>

#include "engine/file_access.h"
#include "engine/number_text.h"
#include "engine/text_record.h"
#include "engine/text_util.h"

namespace tervalo {

LanguageTables Texts;

namespace {

const std::string kNoText;

template <std::size_t N>
const std::string& Item(const std::array<std::string, N>& table, int n) {
    return n >= 1 && static_cast<std::size_t>(n) < N ? table[static_cast<std::size_t>(n)] : kNoText;
}

template <std::size_t N>
void ReadItems(TextRecordReader& reader, std::array<std::string, N>& table, int first, int last) {
    for (int n = first; n <= last; ++n)
        if (!reader.ReadText(table[static_cast<std::size_t>(n)])) return;
}

template <std::size_t N>
void LoadTable(const std::string& fileName, std::array<std::string, N>& table) {
    const std::string bytes = ReadLanguageFileBytes(fileName).value_or(std::string());
    TextRecordReader reader(bytes);
    ReadItems(reader, table, 1, static_cast<int>(N) - 1);
}

}  // namespace

std::optional<std::string> ReadLanguageFileBytes(const std::string& name, std::size_t limit) {
    if (!StaysInProgramDirectory(name)) return std::nullopt;
    return ReadFileBytes(name, limit);
}

void ResetLanguageTables() {
    Texts = LanguageTables{};
}

const std::string& Caption(int item) {
    return Item(Texts.captions, item);
}
const std::string& Message(int number) {
    return Item(Texts.messages, number);
}
const std::string& ComponentCaption(int item) {
    return Item(Texts.componentCaptions, item);
}
const std::string& HeatCaption(int item) {
    return Item(Texts.heatCaptions, item);
}
const std::string& InfoText(int number) {
    return Item(Texts.infoTexts, number);
}

std::string CaptionFileName(std::string_view code) {
    return "Caption." + std::string(code);
}
std::string ComponentCaptionFileName(std::string_view code) {
    return "VerbCapt." + std::string(code);
}
std::string HeatCaptionFileName(std::string_view code) {
    return "heatcap." + std::string(code);
}
std::string InfoTextFileName(std::string_view code) {
    return "infoTXT." + std::string(code);
}

void LoadCaptionFile(std::string_view code) {
    const std::string bytes = ReadLanguageFileBytes(CaptionFileName(code)).value_or(std::string());
    TextRecordReader reader(bytes);
    [&] {
        for (int item = 1; item <= 96; ++item)
            if (!reader.ReadText(Texts.captions[static_cast<std::size_t>(item)])) return;
        for (int number = 1; number <= kMessageCount; ++number)
            if (!reader.ReadText(Texts.messages[static_cast<std::size_t>(number)])) return;
        std::string dropped;
        for (int item = 158; item <= kCaptionItems; ++item) {
            const bool kept = item != 175 && item != 204 && item != 205;
            if (!reader.ReadText(kept ? Texts.captions[static_cast<std::size_t>(item)] : dropped)) return;
        }
    }();
}

void LoadComponentCaptions(std::string_view code) {
    LoadTable(ComponentCaptionFileName(code), Texts.componentCaptions);
}

void LoadHeatCaptions(std::string_view code) {
    LoadTable(HeatCaptionFileName(code), Texts.heatCaptions);
}

void LoadInfoTexts(std::string_view code) {
    Texts.infoTexts.fill(std::string());
    LoadTable(InfoTextFileName(code), Texts.infoTexts);
}

bool CaptionFileUsable(std::string_view code) {
    if (!StaysInProgramDirectory(CaptionFileName(code))) return false;
    const std::uintmax_t length = FileLength(CaptionFileName(code));
    return length > 0 && length <= kLanguageFileByteLimit;
}

std::string RefusedLanguageText(std::string_view code) {
    std::string shown;
    for (const char c : code.substr(0, 8))
        if (c > ' ' && c < 0x7F) shown += c;
    if (!shown.empty()) shown += ' ';
    return Caption(kCaptionLanguage) + " " + shown + Message(kMessageLanguageNotInstalled);
}

std::optional<std::string> FindTranslation(std::string_view text, std::string_view fromCode,
                                           std::string_view toCode) {
    const auto fromFile = ReadLanguageFileBytes(HeatCaptionFileName(fromCode));
    const auto toFile = ReadLanguageFileBytes(HeatCaptionFileName(toCode));
    if (!fromFile || !toFile) return std::nullopt;
    TextRecordReader from(*fromFile);
    TextRecordReader to(*toFile);
    const std::string wanted = TrimBlanks(text);
    std::string fromItem, toItem;
    while (from.ReadText(fromItem)) {
        const bool toRead = to.ReadText(toItem);
        if (TrimBlanks(fromItem) == wanted) return toRead ? std::optional<std::string>(toItem) : std::nullopt;
    }
    return std::nullopt;
}

std::string TranslateText(std::string_view text, std::string_view fromCode, std::string_view toCode) {
    return FindTranslation(text, fromCode, toCode).value_or(std::string(text));
}

}  // namespace tervalo
