#include "batch.h"

#include <fstream>
#include <iostream>
#include <set>

#include "config/run_settings.h"
#include "decision_output.h"
#include "engine/file_access.h"
#include "programs/tervalo-calc/calc_output.h"
#include "project/decision/csv_table.h"
#include "project/decision/results_csv.h"
#include "project/input_edits.h"
#include "window_commands.h"

namespace tervalo {

namespace {

using decision::CsvLine;

enum class Input { Read, Unreadable, TooLarge };

// The whole input, unless it is above kBatchInputLimit: a batch is a table typed or exported by hand.
Input ReadInput(const std::string& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return Input::Unreadable;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        if (bytes.size() + static_cast<std::size_t>(in.gcount()) > kBatchInputLimit) return Input::TooLarge;
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    return in.bad() ? Input::Unreadable : Input::Read;
}

// The header's complaint: a name that is no input field or a field named twice; empty when it is sound.
std::string HeaderError(const std::vector<std::string>& header) {
    std::set<std::string> seen;
    for (const std::string& name : header) {
        const ProjectFieldInfo* field = FindProjectField(name);
        if (!field || field->kind == FieldKind::UnitLabel || field->kind == FieldKind::ResultLabel)
            return "\"" + EscapeLineValue(name) + "\" is no input field";
        if (!seen.insert(std::string(field->name)).second)
            return "\"" + EscapeLineValue(name) + "\" is named twice";
    }
    return {};
}

// The row's cells with every result the row's calculation did not write left empty, and with it every
// figure, which is formed from those results.
void ClearStaleCells(const ProjectRecord& record, const std::vector<std::string>& header,
                     std::vector<std::string>& cells) {
    std::set<std::string> stale;
    for (int i = 0; i < kResultFieldCount; ++i) {
        const auto field = static_cast<ResultField>(i);
        if (ResultCurrent(record, field)) continue;
        stale.insert(std::string(FieldOf(field).name));
    }
    if (stale.empty()) return;
    for (std::size_t c = 1; c < header.size() && c < cells.size(); ++c) {
        const std::string& name = header[c];
        const std::string field = name.ends_with(".value") ? name.substr(0, name.size() - 6) : name;
        if (stale.count(field) || field.starts_with("break_even.") || field.starts_with("saving."))
            cells[c].clear();
    }
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : "; ") + text;
    return joined;
}

}  // namespace

int RunBatch(const ProjectRecord& project, const BatchFiles& files, bool strict) {
    std::string bytes;
    switch (ReadInput(files.input, bytes)) {
        case Input::Read:
            break;
        case Input::Unreadable:
            std::cerr << "tervalo-calc: " << EscapeLineValue(files.input) << " could not be read\n";
            return 2;
        case Input::TooLarge:
            std::cerr << "tervalo-calc: " << EscapeLineValue(files.input) << " is larger than "
                      << (kBatchInputLimit >> 20) << " MiB\n";
            return 2;
    }
    const std::vector<decision::CsvRow> rows = decision::ReadCsv(bytes);
    if (rows.empty() || !rows[0].error.empty()) {
        std::cerr << "tervalo-calc: " << EscapeLineValue(files.input) << " has no header of field names\n";
        return 2;
    }
    if (rows.size() > kBatchRowLimit + 1) {
        std::cerr << "tervalo-calc: " << EscapeLineValue(files.input) << " has more than " << kBatchRowLimit
                  << " rows\n";
        return 2;
    }
    const std::vector<std::string>& header = rows[0].cells;
    if (const std::string error = HeaderError(header); !error.empty()) {
        std::cerr << "tervalo-calc: " << EscapeLineValue(files.input) << ": " << error << '\n';
        return 2;
    }

    const std::string currency = Utf8(Settings.CurrencyCode);
    const FeatureTexts reasons = WarningReasonTexts();
    std::vector<std::string> outputHeader = decision::ResultsCsvHeader(project, CodePage(), currency);
    outputHeader.emplace_back("warnings");
    std::string output = CsvLine(outputHeader);
    bool skipped = false, warned = false;
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
            std::cerr << "tervalo-calc: " << where << " skipped: " << EscapeLineValue(error) << '\n';
            skipped = true;
            continue;
        }
        // A row is one action: its calculations share one load of the table and the energy factors.
        ActionLoads loads;
        ProjectRecord record = project;
        for (const CalcCommand& command : parse.options.commands)
            Apply(record, command, where + ": ", &loads);
        const std::vector<std::string> warnings = Warnings(record, reasons);
        for (const std::string& warning : warnings)
            std::cerr << "tervalo-calc: " << where << ": warning: " << warning << '\n';
        warned = warned || !warnings.empty();
        const DecisionRun run = EvaluateDecision(record, false, false, &loads);
        std::vector<std::string> cells =
            decision::ResultsCsvRow(static_cast<int>(r), record, run, CodePage(), currency);
        ClearStaleCells(record, outputHeader, cells);
        cells.push_back(Joined(warnings));
        output += CsvLine(cells);
    }
    // Under --strict a warning stops the run before its write.
    if (strict && warned) return 3;

    if (!ReplaceFileBytesAt(files.output, output)) {
        std::cerr << "tervalo-calc: " << EscapeLineValue(files.output) << " could not be written\n";
        return 1;
    }
    return skipped ? 1 : 0;
}

}  // namespace tervalo
