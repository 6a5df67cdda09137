#include "catalogue/catalogue_index.h"

#include <array>
#include <optional>
#include <vector>

#include "engine/char_mapping.h"
#include "engine/file_access.h"
#include "engine/fixed_record.h"
#include "engine/text_record.h"
#include "engine/text_util.h"

namespace tervalo {

namespace {

// "katalg.lst" lists a few dozen catalogues; a larger file is no catalogue list.
constexpr std::size_t kCatalogueListByteLimit = 1u << 20;
// A catalogue data file of this size would hold over a hundred thousand components.
constexpr std::size_t kCatalogueDataByteLimit = 64u << 20;

std::string CatalogueFileName(std::string_view key, const char* suffix) {
    return std::string(key.substr(0, kCatalogueKeyLength)) + suffix;
}

int TypeFromKey(std::string_view key) {
    const std::string upper = UpperAscii(key.substr(0, kCatalogueKeyLength));
    if (upper.size() >= 2) {
        const std::string last = upper.substr(upper.size() - 2);
        if (last == "EX") return 1;
        if (last == "KP") return 2;
        if (last == "VD") return 3;
        if (last == "KD") return 4;
        if (last == "MV") return 7;
        if (upper.compare(0, 2, "KA") == 0) return 5;
    }
    return 0;
}

}  // namespace

int CatalogueType(std::string_view key) {
    // A key is a name in the program directory; one leading elsewhere names no catalogue.
    const std::string name = CatalogueFileName(key, "N.rdm");
    if (!StaysInProgramDirectory(name)) return 0;
    const auto path = FindFileNoCase(name);
    if (!path) return 0;
    std::string record =
        ReadFixedRecord(*path, kCatalogueRecordLength, kCatalogueTypeRecord).value_or(std::string());
    const char first = record.empty() ? ' ' : record.front();
    int type = first >= '0' && first <= '9' ? first - '0' : 0;
    if (type != 0) return type;

    type = TypeFromKey(key);
    record.resize(kCatalogueRecordLength, ' ');
    std::string field = std::to_string(type);
    field.resize(kCatalogueTypeFieldLength, ' ');
    record.replace(0, kCatalogueTypeFieldLength, field);
    WriteFixedRecord(*path, kCatalogueRecordLength, kCatalogueTypeRecord, record, kCatalogueDataByteLimit);
    return type;
}

int DisplayPosition(int storageRecord) {
    // Offsets of the storage records in the catalogue's 66-character field layout; each field's display
    // position is its slot in that layout.
    constexpr std::array<int, kCatalogueFieldCount> offsets = {332, 266, 398, 464, 68,  662, 794, 926,  530,
                                                               200, 2,   596, 134, 728, 860, 992, 1058, 1124};
    if (storageRecord < 1 || storageRecord > kCatalogueFieldCount) return 0;
    return (offsets[static_cast<std::size_t>(storageRecord - 1)] + 64) / 66;
}

std::string DosToWindowsText(std::string_view text) {
    std::string converted;
    for (char c : text) {
        const int mapped = MapDosToWindows(static_cast<unsigned char>(c));
        if (mapped == 0) continue;
        if (mapped == kDroppedCharacter)
            converted += "''";
        else
            converted.push_back(static_cast<char>(mapped));
    }
    return converted;
}

std::string RefrigerantListFileName(std::string_view refrigerantName) {
    return std::string(refrigerantName) + ".LST";
}

bool BuildRefrigerantList(std::string_view refrigerantName) {
    const std::string listFile = RefrigerantListFileName(refrigerantName);
    if (FileLength(listFile) > 0) return false;

    const auto list = ReadFileBytes(kCatalogueListFileName, kCatalogueListByteLimit);
    if (!list) return false;
    TextRecordReader reader(*list);
    std::optional<std::string> indexedKey;
    std::string key, description;
    while (reader.ReadText(key)) {
        reader.ReadText(description);
        if (TrimBlanks(key).empty()) continue;  // an empty entry names no catalogue
        if (!StaysInProgramDirectory(CatalogueFileName(key, "N.rdm"))) continue;  // nor one outside
        if (CatalogueType(key) == 0) {
            indexedKey = key.substr(0, std::min(key.size(), kCatalogueKeyLength));
            break;
        }
    }
    if (!indexedKey) return false;

    std::array<std::string, kCatalogueFieldCount + 1> titles;
    if (const auto indexFile = FindFileNoCase(CatalogueFileName(*indexedKey, "I.rdm")))
        for (int i = 1; i <= kCatalogueFieldCount; ++i)
            titles[static_cast<std::size_t>(DisplayPosition(i))] = DosToWindowsText(
                ReadFixedRecord(*indexFile, kCatalogueIndexRecordLength, i).value_or(std::string()));

    TextRecordWriter writer;
    for (int i = 1; i <= kCatalogueFieldCount; ++i) {
        writer.Text(*indexedKey + "N.rdm").Text(titles[static_cast<std::size_t>(i)]).Int((i - 1) * 66 + 2);
        writer.EndStatement();
    }
    return ReplaceFileBytes(listFile, writer.bytes());
}

}  // namespace tervalo
