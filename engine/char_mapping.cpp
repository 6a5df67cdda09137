#include "engine/char_mapping.h"

namespace tervalo {

int MapDosToWindows(int code) {
    switch (code) {
        case 129:
            return 252;  // ü
        case 132:
            return 228;  // ä
        case 142:
            return 196;  // Ä
        case 148:
            return 246;  // ö
        case 153:
            return 214;  // Ö
        case 154:
            return 220;  // Ü
        case 225:
            return 223;  // ß
        case 248:
            return 176;  // °
        case 34:
            return kDroppedCharacter;
        default:
            return code;
    }
}

}  // namespace tervalo
