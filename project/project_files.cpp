#include "project/project_files.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/file_access.h"
#include "engine/refrigerant_catalogue.h"
#include "engine/text_record.h"
#include "engine/text_util.h"
#include "localisation/language_tables.h"

namespace tervalo {

namespace {

// A project file is a few hundred bytes; anything far larger is no project file.
constexpr std::size_t kProjectFileByteLimit = 1u << 20;

// The record's field of each position of TempPart.dat; null for the refrigerant and the reserved fields.
using RecordText = std::string ProjectRecord::*;
const std::array<RecordText, kProjectFileFields>& ProjectFileLayout() {
    static const std::array<RecordText, kProjectFileFields> layout = {
        nullptr,                            // 1 refrigerant
        &ProjectRecord::WohnFL,             // 2
        &ProjectRecord::t0,                 // 3
        &ProjectRecord::BrennK,             // 4
        &ProjectRecord::AnwendBereich,      // 5
        nullptr,                            // 6 reserved
        &ProjectRecord::Bereitstell,        // 7
        &ProjectRecord::VFlsize,            // 8
        &ProjectRecord::AmbientT,           // 9
        &ProjectRecord::Tempbereich,        // 10
        &ProjectRecord::WartungI,           // 11
        &ProjectRecord::Klimazone,          // 12
        &ProjectRecord::Leitungsdimension,  // 13
        &ProjectRecord::HausTyp,            // 14
        nullptr,                            // 15 reserved
        &ProjectRecord::Verdichterbauart,   // 16
        &ProjectRecord::HeizArt,            // 17
        &ProjectRecord::KesselWirk,         // 18
        &ProjectRecord::SpezHeizLeist,      // 19
        &ProjectRecord::EnergKost,          // 20
        &ProjectRecord::WirkGKessel,        // 21
        &ProjectRecord::BereitStV,          // 22
    };
    return layout;
}

// A text as a quoted field can hold it.
std::string Storable(std::string_view text) {
    std::string stored;
    for (char c : text) {
        if (c == '"')
            stored += "''";
        else
            stored.push_back(c);
    }
    return stored;
}

std::string QuotedLines(const std::vector<std::string>& fields) {
    TextRecordWriter writer;
    for (const std::string& field : fields) {
        writer.Text(Storable(field));
        writer.EndStatement();
    }
    return writer.bytes();
}

// The fields of a text-record file, at most `count`; fewer when the file is missing or shorter.
std::vector<std::string> ReadFields(const char* fileName, int count) {
    std::vector<std::string> fields;
    const auto bytes = ReadFileBytes(fileName, kProjectFileByteLimit);
    if (!bytes) return fields;
    TextRecordReader reader(*bytes);
    std::string field;
    while (static_cast<int>(fields.size()) < count && reader.ReadText(field)) fields.push_back(field);
    return fields;
}

}  // namespace

void ReadProjectFile(ProjectRecord& record) {
    const auto fields = ReadFields(kProjectFileName, kProjectFileFields);
    const auto& layout = ProjectFileLayout();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (layout[i]) record.*layout[i] = fields[i];
}

bool WriteProjectFile(const ProjectRecord& record) {
    std::vector<std::string> fields;
    for (RecordText text : ProjectFileLayout()) fields.push_back(text ? record.*text : std::string());
    fields[0] = record.RefrigerantName;
    return ReplaceFileBytes(kProjectFileName, QuotedLines(fields));
}

void ReadFuelPrices(ProjectRecord& record) {
    const auto fields = ReadFields(kFuelPriceFileName, 4);
    for (std::size_t i = 0; i < fields.size(); ++i) record.FuelPriceTable[i] = fields[i];
}

bool WriteFuelPrices(const ProjectRecord& record) {
    return ReplaceFileBytes(kFuelPriceFileName,
                            QuotedLines({record.FuelPriceTable.begin(), record.FuelPriceTable.end()}));
}

std::string TranslateListText(const std::string& text, std::string_view fromCode, std::string_view toCode) {
    if (auto whole = FindTranslation(text, fromCode, toCode)) return *whole;
    // An item, ", " and an item (the radiator entries); the item may itself hold ", ".
    for (auto comma = text.find(", "); comma != std::string::npos; comma = text.find(", ", comma + 1)) {
        const auto first = FindTranslation(text.substr(0, comma), fromCode, toCode);
        const auto second = FindTranslation(text.substr(comma + 2), fromCode, toCode);
        if (first && second) return *first + ", " + *second;
    }
    // An item, a blank and a year (the insulation standards).
    if (const auto blank = text.rfind(' ');
        blank != std::string::npos && blank + 1 < text.size() &&
        text.find_first_not_of("0123456789", blank + 1) == std::string::npos) {
        if (const auto item = FindTranslation(text.substr(0, blank), fromCode, toCode))
            return *item + text.substr(blank);
    }
    return text;
}

std::string ProjectBytesInLanguage(std::string_view fromCode, std::string_view toCode) {
    std::vector<std::string> fields = ReadFields(kProjectFileName, kProjectFileFields);
    fields.resize(kProjectFileFields);
    for (int number = 4; number <= 18; ++number) {
        std::string& field = fields[static_cast<std::size_t>(number - 1)];
        if (!TrimBlanks(field).empty()) field = TranslateListText(field, fromCode, toCode);
    }
    return QuotedLines(fields);
}

bool RewriteProjectFileForLanguage(std::string_view fromCode, std::string_view toCode) {
    const std::string bytes = ProjectBytesInLanguage(fromCode, toCode);
    if (!ReplaceFileBytes(kRewriteFileName, bytes)) return false;
    // The project file is replaced by the helper rather than by renaming the buffer over it, so that it keeps
    // its permission bits and a link stays a link.
    const bool replaced = ReplaceFileBytes(kProjectFileName, bytes);
    std::error_code error;
    if (const auto buffer = FindFileNoCase(kRewriteFileName)) std::filesystem::remove(*buffer, error);
    return replaced;
}

}  // namespace tervalo
