// Writes the program's saturation table files from the published equations of state of the refrigerants.
//
//     tervalo_saturation_tables <output directory> [<table file name>...]
//
// Without file names it writes the table of every refrigerant whose registry row names an equation of state.
// Before writing a table it checks the fluid's equation against the saturation state published with it at
// 0 °C, so that a damaged coefficient stops the build instead of reaching the tables. Exit status 1 on any
// failure.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "data/tools/eos/published_check.h"
#include "data/tools/eos/table_file.h"
#include "engine/refrigerant_registry.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

bool WriteTable(const std::filesystem::path& directory, const std::string& fileName) {
    using namespace tervalo::eos;
    const TablePlan* plan = FindTablePlan(fileName);
    if (!plan) {
        std::fprintf(stderr, "%s: no equation of state serves this table\n", fileName.c_str());
        return false;
    }
    const std::vector<std::string> mismatches = CompareWithPublished(plan->fluid());
    for (const std::string& line : mismatches) std::fprintf(stderr, "%s\n", line.c_str());
    if (!mismatches.empty()) return false;
    const std::optional<std::vector<SaturationPoint>> records = TableRecords(*plan);
    if (!records) {
        std::fprintf(stderr, "%s: the phase equilibrium did not converge\n", fileName.c_str());
        return false;
    }
    if (!WriteFile(directory / fileName, EncodeTable(*records, plan->layout))) {
        std::fprintf(stderr, "%s: cannot write into %s\n", fileName.c_str(), directory.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output directory> [<table file name>...]\n", argv[0]);
        return 1;
    }
    const std::filesystem::path directory = argv[1];
    std::vector<std::string> fileNames(argv + 2, argv + argc);
    if (fileNames.empty())
        for (const tervalo::RefrigerantRow& row : tervalo::RefrigerantRegistry())
            if (!row.equationOfState.empty()) fileNames.emplace_back(row.tableFile);
    bool ok = true;
    for (const std::string& fileName : fileNames) ok = WriteTable(directory, fileName) && ok;
    return ok ? 0 : 1;
}
