#include "batch.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "config/run_settings.h"
#include "decision_output.h"
#include "project/decision/csv_table.h"
#include "project/decision/results_csv.h"
#include "window_commands.h"

namespace tervalo {

namespace {

using decision::CsvLine;

bool ReadFile(const std::string& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    bytes = text.str();
    return true;
}

}  // namespace

int RunBatch(const ProjectRecord& project, const std::string& inputFile, const std::string& outputFile) {
    std::string bytes;
    if (!ReadFile(inputFile, bytes)) {
        std::cerr << "tervalo-calc: " << inputFile << " could not be read\n";
        return 2;
    }
    const std::vector<decision::CsvRow> rows = decision::ReadCsv(bytes);
    if (rows.empty() || !rows[0].error.empty()) {
        std::cerr << "tervalo-calc: " << inputFile << " has no header of field names\n";
        return 2;
    }
    const std::vector<std::string>& header = rows[0].cells;
    for (const std::string& name : header) {
        const ProjectFieldInfo* field = FindProjectField(name);
        if (!field || field->kind == FieldKind::UnitLabel || field->kind == FieldKind::ResultLabel) {
            std::cerr << "tervalo-calc: " << inputFile << ": \"" << name << "\" is no input field\n";
            return 2;
        }
    }

    const std::string currency = Utf8(Settings.CurrencyCode);
    std::string output;
    bool skipped = false;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const decision::CsvRow& row = rows[r];
        const std::string where = "row " + std::to_string(r) + " (line " + std::to_string(row.line) + ")";
        std::string error = row.error;
        if (error.empty() && row.cells.size() != header.size())
            error = std::to_string(row.cells.size()) + " cells where the header has " +
                    std::to_string(header.size());
        CalcParse parse;
        if (error.empty()) {
            std::vector<std::string> arguments;
            for (std::size_t c = 0; c < header.size(); ++c)
                if (!row.cells[c].empty()) arguments.push_back(header[c] + '=' + row.cells[c]);
            parse = ParseCalcArguments(arguments);
            error = parse.error;
        }
        if (!error.empty()) {
            std::cerr << "tervalo-calc: " << where << " skipped: " << error << '\n';
            skipped = true;
            continue;
        }
        // A row is one action: its calculations share one load of the table and the energy factors.
        ActionLoads loads;
        ProjectRecord record = project;
        for (const CalcCommand& command : parse.options.commands)
            Apply(record, command, where + ": ", &loads);
        const DecisionRun run = EvaluateDecision(record, false, false, &loads);
        if (output.empty()) output = CsvLine(decision::ResultsCsvHeader(record, CodePage(), currency));
        output += CsvLine(decision::ResultsCsvRow(static_cast<int>(r), record, run, CodePage(), currency));
    }
    if (output.empty()) output = CsvLine(decision::ResultsCsvHeader(project, CodePage(), currency));

    std::ofstream out(outputFile, std::ios::binary | std::ios::trunc);
    if (!(out << output) || !out.flush()) {
        std::cerr << "tervalo-calc: " << outputFile << " could not be written\n";
        return 1;
    }
    return skipped ? 1 : 0;
}

}  // namespace tervalo
