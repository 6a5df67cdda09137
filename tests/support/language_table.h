#pragma once

// The codes of the program's languages as data/lang/languages.tsv lists them, for tests of parts that do not
// link the localisation library (the installer shares no code with the program).

#include <fstream>
#include <string>
#include <vector>

namespace tervalo::test {

inline std::vector<std::string> LanguageCodesOfTheTable() {
    std::vector<std::string> codes;
    std::ifstream table(TERVALO_LANGUAGE_TABLE);
    bool header = true;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        if (header) {  // the row of column names
            header = false;
            continue;
        }
        codes.push_back(line.substr(0, line.find('\t')));
    }
    return codes;
}

}  // namespace tervalo::test
