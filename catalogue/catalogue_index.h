#pragma once

// The index of the component catalogues for the project's refrigerant. The program family keeps its component
// catalogues as pairs of fixed-record files listed in "katalg.lst"; before the first calculation of a run the
// project window has the list file of its refrigerant ("R22.LST") written, naming a catalogue's data file and
// the titles and positions of its 18 fields.

#include <string>
#include <string_view>

namespace tervalo {

inline constexpr const char* kCatalogueListFileName = "katalg.lst";
inline constexpr int kCatalogueFieldCount = 18;
inline constexpr std::size_t kCatalogueKeyLength = 7;
inline constexpr std::size_t kCatalogueRecordLength = 570;       // data file, key + "N.rdm"
inline constexpr std::size_t kCatalogueIndexRecordLength = 128;  // index file, key + "I.rdm"
inline constexpr long kCatalogueTypeRecord = 51;
inline constexpr std::size_t kCatalogueTypeFieldLength = 40;

// Catalogue types: 1 "EX", 2 "KP", 3 "VD", 4 "KD", 5 "KA", 7 "MV"; 0 not yet typed.
// The type stands as a digit at the start of record 51 of the data file. A catalogue without one is typed
// from its key (the last two of its first 7 characters, else the first two), and the type is written into
// record 51. A missing data file gives 0 and is not created; so does a key that leads out of the program
// directory (see StaysInProgramDirectory), and such a file is neither read nor written.
int CatalogueType(std::string_view key);

// Display position of the field in storage record 1 to 18 (0 outside), from the fields' offsets in the
// catalogue's record layout.
int DisplayPosition(int storageRecord);

// A catalogue text from the DOS code page in the Windows one: letters mapped, characters mapped to 0 dropped,
// the double quote (which a text field cannot hold) replaced by two single quotes.
std::string DosToWindowsText(std::string_view text);

// The refrigerant's list file: its name followed by ".LST".
std::string RefrigerantListFileName(std::string_view refrigerantName);

// Writes the list file of the refrigerant unless it exists with content. The catalogue indexed is the first
// entry of "katalg.lst" whose type is 0 and whose key stays in the program directory; when every entry has a
// type (or the list is missing) nothing is written. Returns whether a list file was written.
bool BuildRefrigerantList(std::string_view refrigerantName);

}  // namespace tervalo
