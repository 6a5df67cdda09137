#pragma once

// The command line of tervalo-calc, the headless calculator: each argument is one thing the user does in the
// project window, applied in order.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "project/project_fields.h"

namespace tervalo {

struct CalcCommand {
    enum class Action {
        SetAndAct,       // FIELD=TEXT: set the text and perform the field's action (Enter, choose, click)
        ChooseEntry,     // LIST=#N: choose the N-th entry of the list
        SetOnly,         // FIELD:=TEXT: set the text only, as typing without Enter
        Save,            // --save: accept (TempPart.dat)
        Calculate,       // --calculate: the calculate command
        Activate,        // --activate: the window is activated again
        OpenPrices,      // --prices: the fuel-price panel
        AcceptPrices,    // --prices-ok
        CancelPrices,    // --prices-cancel
        SwitchLanguage,  // --language=CODE: close the window, language command, open the window
        WriteResults,    // --results: the print command writes the results file
        PrintPdf,        // --pdf FILE: the print command, then the report page printed to the PDF file FILE
        WriteDiagram,    // --diagram FILE: the cycle's pressure-enthalpy diagram as SVG or PNG
        PrintTrace,      // --trace: the working of the calculation as plain text
    };
    Action action = Action::SetAndAct;
    const ProjectFieldInfo* field = nullptr;
    std::string
        text;  // UTF-8 as given; the language code for SwitchLanguage; the file for PrintPdf, WriteDiagram
    int entry = 0;  // ChooseEntry, counted from 1
};

struct CalcOptions {
    std::vector<CalcCommand> commands;
    std::optional<char> decimalSeparator;  // --decimal-separator=C, else the system locale's
    bool help = false;
    bool fields = false;       // --fields: the glossary of the fields (name, unit, role, meaning)
    bool json = false;         // --json: one JSON document instead of NAME=TEXT lines
    bool whatIf = false;       // --what-if: the table of heat sources by distributions as well
    bool sensitivity = false;  // --sensitivity: the saving with each input moved by up to ±30 % (JSON)
    std::string batchInput;    // --batch IN.csv: one project per row
    std::string batchOutput;   // --out OUT.csv: the rows' results
    std::string seasonalUnit;  // --seasonal-unit FILE.json: a data sheet's seasonal figures, nothing else
    bool strict = false;       // --strict: a warning ends the run with exit status 3 before any further write
};

// The parsed command line, or the message that names the malformed argument or unknown field.
struct CalcParse {
    CalcOptions options;
    std::string error;
};
CalcParse ParseCalcArguments(const std::vector<std::string>& arguments);

// Makes the files that --batch, --out, --pdf and --diagram name absolute against `startFolder`, the folder
// the program was started in: it works in a folder of its own, and the user meant the files where they typed
// them.
void ResolveFileArguments(CalcOptions& options, const std::filesystem::path& startFolder);

// The usage text of --help.
std::string CalcUsage();

}  // namespace tervalo
