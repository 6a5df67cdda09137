#pragma once

namespace tervalo {

// Marker for the double quote, which a text field cannot hold.
inline constexpr int kDroppedCharacter = -1;

// DOS (code page 850/437) letters of the family's older files to their Windows-1252 codes: the umlauts, sharp
// s and the degree sign; the double quote becomes kDroppedCharacter; every other code maps to itself.
int MapDosToWindows(int code);

}  // namespace tervalo
