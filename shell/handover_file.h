#pragma once

// KELVData.dat: left by another program of the family before it starts this one, consumed once at start-up.

namespace tervalo {

inline constexpr const char* kHandOverFileName = "KELVData.dat";

// Reads the start marker and SkipWelcome (and the hand-over text when both are non-zero), then empties the
// file to two statements holding 0. Errors are ignored: a missing file leaves SkipWelcome at 0.
void ConsumeHandOverFile();

}  // namespace tervalo
