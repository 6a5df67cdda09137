#include "programs/tervalo-calc/calc_arguments.h"

#include <charconv>

#include "project/project_lists.h"

namespace tervalo {

namespace {

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool IsInput(FieldKind kind) {
    return kind == FieldKind::Text || kind == FieldKind::List || kind == FieldKind::CheckBox ||
           kind == FieldKind::PriceBox;
}

// "#N" with N from 1 to the list's length; 0 when the text is no entry number.
int EntryNumber(const std::string& text) {
    if (text.size() < 2 || text[0] != '#') return 0;
    int number = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return number;
}

std::optional<CalcCommand::Action> OptionAction(const std::string& argument) {
    using A = CalcCommand::Action;
    if (argument == "--save") return A::Save;
    if (argument == "--calculate") return A::Calculate;
    if (argument == "--activate") return A::Activate;
    if (argument == "--prices") return A::OpenPrices;
    if (argument == "--prices-ok") return A::AcceptPrices;
    if (argument == "--prices-cancel") return A::CancelPrices;
    if (argument == "--results") return A::WriteResults;
    if (argument == "--trace") return A::PrintTrace;
    return std::nullopt;
}

// One FIELD=TEXT or FIELD:=TEXT argument; the error text when it is malformed.
std::string ParseFieldArgument(const std::string& argument, CalcCommand& command) {
    const auto equals = argument.find('=');
    if (equals == std::string::npos || equals == 0) return "malformed argument \"" + argument + "\"";
    const bool setOnly = argument[equals - 1] == ':';
    const std::string name = argument.substr(0, setOnly ? equals - 1 : equals);
    command.text = argument.substr(equals + 1);
    command.field = FindProjectField(name);
    if (!command.field) return "unknown field \"" + name + "\" in \"" + argument + "\"";
    if (!IsInput(command.field->kind)) return "\"" + name + "\" is a label, not an input field";
    command.action = setOnly ? CalcCommand::Action::SetOnly : CalcCommand::Action::SetAndAct;

    if (command.field->kind == FieldKind::CheckBox && command.text != "0" && command.text != "1")
        return "EinbindCheck takes 0 or 1, not \"" + command.text + "\"";
    if (command.field->kind == FieldKind::List && !setOnly && !command.text.empty() &&
        command.text[0] == '#') {
        const int count = ListEntryCount(*command.field->list);
        const int number = EntryNumber(command.text);
        if (number < 1 || number > count)
            return "\"" + command.text + "\" is no entry of " + name + " (it has " + std::to_string(count) +
                   " entries)";
        command.action = CalcCommand::Action::ChooseEntry;
        command.entry = number;
    }
    return {};
}

}  // namespace

CalcParse ParseCalcArguments(const std::vector<std::string>& arguments) {
    CalcParse parse;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (argument == "--help" || argument == "-h") {
            parse.options.help = true;
            continue;
        }
        if (argument == "--fields") {
            parse.options.fields = true;
            continue;
        }
        if (argument == "--strict") {
            parse.options.strict = true;
            continue;
        }
        if (const auto action = OptionAction(argument)) {
            parse.options.commands.push_back(CalcCommand{*action, nullptr, {}, 0});
            continue;
        }
        if (argument == "--json" || argument == "--what-if" || argument == "--sensitivity") {
            (argument == "--json"      ? parse.options.json
             : argument == "--what-if" ? parse.options.whatIf
                                       : parse.options.sensitivity) = true;
            continue;
        }
        if (argument == "--batch" || argument == "--out") {
            if (at + 1 == arguments.size() || arguments[at + 1].empty()) {
                parse.error = "malformed argument \"" + argument + "\": the CSV file name must follow";
                return parse;
            }
            (argument == "--batch" ? parse.options.batchInput : parse.options.batchOutput) = arguments[++at];
            continue;
        }
        if (argument == "--seasonal-unit") {
            if (at + 1 == arguments.size() || arguments[at + 1].empty()) {
                parse.error = "malformed argument \"" + argument + "\": the JSON file name must follow";
                return parse;
            }
            parse.options.seasonalUnit = arguments[++at];
            continue;
        }
        if (argument == "--pdf" || argument == "--diagram") {
            if (at + 1 == arguments.size() || arguments[at + 1].empty()) {
                parse.error = "malformed argument \"" + argument + "\": the " +
                              (argument == "--pdf" ? "PDF" : "diagram") + " file name must follow";
                return parse;
            }
            const auto action =
                argument == "--pdf" ? CalcCommand::Action::PrintPdf : CalcCommand::Action::WriteDiagram;
            parse.options.commands.push_back(CalcCommand{action, nullptr, arguments[++at], 0});
            continue;
        }
        if (StartsWith(argument, "--language=")) {
            const std::string code = argument.substr(11);
            if (code.size() != 3) {
                parse.error = "malformed argument \"" + argument + "\": a language code has three letters";
                return parse;
            }
            parse.options.commands.push_back(
                CalcCommand{CalcCommand::Action::SwitchLanguage, nullptr, code, 0});
            continue;
        }
        if (StartsWith(argument, "--decimal-separator=")) {
            const std::string separator = argument.substr(20);
            if (separator.size() != 1) {
                parse.error = "malformed argument \"" + argument + "\": the separator is one character";
                return parse;
            }
            parse.options.decimalSeparator = separator[0];
            continue;
        }
        if (StartsWith(argument, "-")) {
            parse.error = "unknown option \"" + argument + "\"";
            return parse;
        }
        CalcCommand command;
        if (std::string error = ParseFieldArgument(argument, command); !error.empty()) {
            parse.error = error;
            return parse;
        }
        parse.options.commands.push_back(command);
    }
    if (!parse.options.seasonalUnit.empty() &&
        (!parse.options.commands.empty() || !parse.options.batchInput.empty() || parse.options.whatIf ||
         parse.options.sensitivity || parse.options.strict)) {
        parse.error = "--seasonal-unit FILE.json evaluates the data sheet alone: it takes --json only";
    } else if (parse.options.batchInput.empty() != parse.options.batchOutput.empty()) {
        parse.error = "--batch IN.csv and --out OUT.csv go together";
    } else if (!parse.options.batchInput.empty()) {
        for (const CalcCommand& command : parse.options.commands) {
            if (!command.field) {
                parse.error = "--batch saves and prints nothing: it takes field arguments only";
                break;
            }
        }
    }
    return parse;
}

void ResolveFileArguments(CalcOptions& options, const std::filesystem::path& startFolder) {
    const auto resolve = [&startFolder](std::string& file) {
        if (file.empty()) return;
        const std::filesystem::path path(std::u8string(file.begin(), file.end()));
        const std::u8string absolute = (startFolder / path).lexically_normal().u8string();
        file.assign(absolute.begin(), absolute.end());
    };
    resolve(options.batchInput);
    resolve(options.batchOutput);
    resolve(options.seasonalUnit);
    for (CalcCommand& command : options.commands)
        if (command.action == CalcCommand::Action::PrintPdf ||
            command.action == CalcCommand::Action::WriteDiagram)
            resolve(command.text);
}

std::string CalcUsage() {
    return "Usage: tervalo-calc [ARGUMENT]...\n"
           "Loads the project (TempPart.dat) in the working folder as the project window does, applies "
           "the\n"
           "arguments in order as the user would in the window, and prints every field, list, label, "
           "caption\n"
           "and the window title as NAME=TEXT lines (UTF-8). Messages of the window go to standard error.\n"
           "In a TEXT, a backslash is written \\\\, a carriage return \\r, a line feed \\n and a NUL byte "
           "\\0,\n"
           "so that every line is one field.\n"
           "\n"
           "  FIELD=TEXT             set the field and act: Enter in a text field, choose in a list,\n"
           "                         EinbindCheck=1 or =0 checks or unchecks and clicks\n"
           "  LIST=#N                choose the N-th entry of a list (from 1)\n"
           "  FIELD:=TEXT            set the text only, as typing without Enter (typing in HeizArt\n"
           "                         changes its text: boiler rule and calculation)\n"
           "  --save                 accept: save the project to TempPart.dat\n"
           "  --calculate            the calculate command\n"
           "  --activate             the window is activated again (reads SpezBK.dat, calculates)\n"
           "  --prices               open the fuel-price panel (BK50 to BK53 from SpezBK.dat)\n"
           "  --prices-ok            store the panel's prices in SpezBK.dat\n"
           "  --prices-cancel        close the panel without saving\n"
           "  --results              the print command: write the report to ergEN1.DAT\n"
           "  --pdf FILE             the print command, then print the report page to the PDF file FILE\n"
           "  --diagram FILE         write the cycle's pressure-enthalpy diagram to FILE (.svg, else PNG;\n"
           "                         .pdf gives the cycle page with state points and working)\n"
           "  --trace                print the calculation step by step (formula, numbers, result, shown)\n"
           "  --language=CODE        close the window without saving, switch the language (the saved\n"
           "                         project is rewritten into it) and open the window again\n"
           "  --decimal-separator=C  the regional decimal separator (default: the system locale's)\n"
           "  --json                 print one JSON document (fields, results, break-even figures)\n"
           "                         instead of the NAME=TEXT lines\n"
           "  --what-if              also each heat source with each heat distribution (35 variants)\n"
           "  --sensitivity          also the saving with the electricity price, the fuel price, the\n"
           "                         heating COP and the heat demand each moved by 10, 20, 30 % (JSON)\n"
           "  --batch IN.csv --out OUT.csv\n"
           "                         one project per row of IN.csv (a header of field names, cells as\n"
           "                         FIELD=TEXT takes them), each from the project as loaded and the\n"
           "                         field arguments; the results to OUT.csv; nothing is saved\n"
           "  --seasonal-unit FILE.json\n"
           "                         the seasonal COP of a unit's data sheet by the EN 14825 bin method\n"
           "                         (SCOP, SCOP_on, SCOP_net, eta_s, Q_H, Q_HE, back-up, the bins); the\n"
           "                         project is neither read nor written; with --json as one object\n"
           "  --strict               end with exit status 3 at the first warning; no file is written after "
           "it\n"
           "  --fields               list the fields: name, unit, role (typed, chosen, filled by the rules,\n"
           "                         result, unit label) and meaning, and end\n"
           "  --help, --version      show this help or the version and end\n"
           "\n"
           "The working folder is the current directory when it holds the program's data and only you may\n"
           "write it (it is then named on standard error), else the program directory when only you may\n"
           "write it, else the folder Tervalo of $XDG_DATA_HOME (~/.local/share/Tervalo), which is filled\n"
           "from the program directory. FILE, FILE.json, IN.csv and OUT.csv are taken from the directory "
           "that\n"
           "tervalo-calc was started in.\n"
           "\n"
           "The NAME=TEXT lines end with the break-even figures (BreakEven.NAME, \"\u2013\" where none can "
           "be\n"
           "formed) and the annual saving (Saving.money, Saving.co2).\n"
           "\n"
           "Warnings go to standard error as \"tervalo-calc: warning: ...\" lines: a result that the last\n"
           "calculation did not compute (data file missing, short or damaged, design point outside the\n"
           "refrigerant's table, a balance that ended early), with the reason; a list text that matches no\n"
           "entry of its list.\n"
           "\n"
           "Exit status 1 when a file could not be written (project, prices, language, report) or the\n"
           "--seasonal-unit file cannot be evaluated (the message names the member), 2 for a\n"
           "malformed argument or an unknown field (nothing is then saved), 3 for a warning under "
           "--strict.\n"
           "--batch skips a malformed row (reported with its number on standard error) and ends with\n"
           "status 1 then.\n";
}

}  // namespace tervalo
