// tervalo-calc: the project window without a window, for scripted and batch use. It starts as Tervalo does in
// its working folder (settings, language texts, branding), opens the project window (record, rules,
// catalogue index, calculation), applies its arguments in order and prints the window's texts with the
// decision figures, as NAME=TEXT lines or one JSON document; or runs a batch of projects from a CSV file.

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "batch.h"
#include "config/run_settings.h"
#include "decision_output.h"
#include "engine/platform.h"
#include "engine/text_util.h"
#include "localisation/code_page.h"
#include "project/calc_arguments.h"
#include "project/calc_output.h"
#include "project/project_fields.h"
#include "project/project_record.h"
#include "project/result_reason_text.h"
#include "shell/language_session.h"
#include "shell/program_identity.h"
#include "shell/working_folder.h"
#include "window_commands.h"

namespace {

using namespace tervalo;

void PrintWindow(const ProjectRecord& record) {
    const auto value = [](const std::string& text) { return Utf8(EscapeLineValue(text)); };
    for (const ProjectFieldInfo& field : ProjectFields())
        std::cout << field.name << '=' << value(FieldDisplayText(record, field)) << '\n';
    for (const ProjectFieldInfo& field : ProjectFields()) {
        if (!field.list) continue;
        const auto& entries = record.lists[static_cast<std::size_t>(*field.list)];
        for (std::size_t i = 0; i < entries.size(); ++i)
            std::cout << field.name << '#' << i + 1 << '=' << value(entries[i]) << '\n';
    }
    for (const ControlCaption& caption : record.captions)
        std::cout << caption.control << ".Caption=" << value(caption.text) << '\n';
    std::cout << "Projektdaten.Caption=" << value(record.Title) << '\n';
}

// Prints a warning for each result that does not follow from the inputs shown and each list text that
// matches no entry; the reasons in English. True when there was one.
bool ReportWarnings(const ProjectRecord& record) {
    const FeatureTexts english = LoadResultMarkTexts("ENG");
    std::vector<std::string> items;
    for (int item = 1; item <= english.size(); ++item)
        items.push_back(Utf8ToCodePage(CodePageToUtf8(english[item], english.codePage()), CodePage()));
    const auto warnings = ProjectWarnings(record, FeatureTexts(std::move(items), CodePage()));
    for (const std::string& warning : warnings)
        std::cerr << "tervalo-calc: warning: " << Utf8(warning) << '\n';
    return !warnings.empty();
}

#ifdef TERVALO_CALC_DRAW_PROGRAM
// A run that draws (--pdf, --diagram) goes on in the same program built with the drawing, which lies beside
// this one: the runs that only calculate then start without loading the graphics libraries. Returns only when
// that program could not be started; the run then goes on here and says that this build cannot draw.
void DrawingRunsElsewhere(const CalcOptions& options, char** argv) {
    using A = CalcCommand::Action;
    const bool draws =
        std::any_of(options.commands.begin(), options.commands.end(), [](const CalcCommand& command) {
            return command.action == A::PrintPdf || command.action == A::WriteDiagram;
        });
    const auto self = RunningProgramFile();
    if (draws && self) ReplaceProcess(self->parent_path() / TERVALO_CALC_DRAW_PROGRAM, argv);
}
#endif

bool WritesFiles(const CalcCommand& command) {
    using A = CalcCommand::Action;
    switch (command.action) {
        case A::Save:
        case A::AcceptPrices:
        case A::SwitchLanguage:
        case A::WriteResults:
        case A::PrintPdf:
        case A::WriteDiagram:
            return true;
        default:
            return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Utf8Console console;
    const std::vector<std::string> arguments = ProgramArguments(argc, argv);
    if (FindInfoRequest({arguments.begin() + 1, arguments.end()}) == InfoRequest::Version) {
        std::cout << VersionText("tervalo-calc");
        return 0;
    }
    const CalcParse parse = ParseCalcArguments({arguments.begin() + 1, arguments.end()});
    if (!parse.error.empty()) {
        std::cerr << "tervalo-calc: " << parse.error << '\n' << "Try tervalo-calc --help.\n";
        return 2;
    }
    if (parse.options.help) {
        std::cout << CalcUsage();
        return 0;
    }
#ifdef TERVALO_CALC_DRAW_PROGRAM
    DrawingRunsElsewhere(parse.options, argv);
#endif

    if (const auto failure = EnterWorkingFolder(ProgramFolder(argv[0]), ProcessEnvironmentVariable)) {
        std::cerr << "tervalo-calc: " << *failure << '\n';
        return 1;
    }
    const char separator = parse.options.decimalSeparator.value_or(SystemDecimalSeparator());
    // Tervalo's start-up without the steps of its main window; the hand-over file is left for Tervalo.
    StartupLoad(HandOverFile::LeaveUnread);
    ProjectRecord record;
    record.DecimalSeparator = separator;
    OpenProjectWindow(record);

    const CalcOptions& options = parse.options;
    if (!options.batchInput.empty()) {
        for (const CalcCommand& command : options.commands) Apply(record, command, "");
        return RunBatch(record, options.batchInput, options.batchOutput);
    }

    // Under --strict a warning stops the run before the next write.
    bool saved = true;
    for (const CalcCommand& command : options.commands) {
        if (options.strict && WritesFiles(command) && ReportWarnings(record)) {
            PrintWindow(record);
            return 3;
        }
        saved = Apply(record, command, "") && saved;
    }
    const bool warned = ReportWarnings(record);
    const DecisionRun decision = EvaluateDecision(record, options.whatIf, options.sensitivity);
    if (options.json) {
        std::cout << DecisionJson(record, decision, options.whatIf);
    } else {
        PrintWindow(record);
        std::cout << DecisionLines(decision, options.whatIf);
    }
    if (!saved) return 1;
    return options.strict && warned ? 3 : 0;
}
