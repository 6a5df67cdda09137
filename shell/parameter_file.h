#pragma once

// rechPar.dat: the family's parameter file of 3-byte records; records 30 to 60 hold the program directory.

#include <filesystem>
#include <string>

namespace tervalo {

inline constexpr const char* kParameterFileName = "rechPar.dat";

// Where rechPar.dat is looked for: in ParameterDirectory, but in the current directory while that is empty, a
// drive root (drive letters exist only on Windows) or a place outside the program directory.
std::filesystem::path ParameterFilePath();

// Keeps records 30 to 60 equal to `currentDirectory` followed by six blanks, cut into 3-character records (93
// characters at most). The file is rewritten only when the stored text differs; errors are ignored.
void CheckParameterFile(const std::string& currentDirectory);

// The same with the process's current directory.
void CheckParameterFile();

}  // namespace tervalo
