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
#include "programs/tervalo-calc/calc_arguments.h"
#include "programs/tervalo-calc/calc_output.h"
#include "project/lifetime/lifetime_file.h"
#include "project/lifetime/project_lifetime.h"
#include "project/project_fields.h"
#include "project/project_record.h"
#include "project/result_reason_text.h"
#include "seasonal_output.h"
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
// matches no entry, and `withLifetime` for a damaged Lifetime.dat; the reasons in English
// (WarningReasonTexts). True when there was one.
bool ReportWarnings(const ProjectRecord& record, const FeatureTexts& reasons, bool withLifetime) {
    auto warnings = Warnings(record, reasons);
    using namespace lifetime;
    if (withLifetime && LoadLifetimeInputs(DefaultLifetimeInputs(CurrentCalendarYear())).damaged)
        warnings.emplace_back(std::string(kLifetimeFileName) +
                              " is damaged: the lifetime comparison uses defaults for what it lost");
    for (const std::string& warning : warnings) std::cerr << "tervalo-calc: warning: " << warning << '\n';
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
        std::cerr << "tervalo-calc: " << EscapeLineValue(parse.error) << '\n' << "Try tervalo-calc --help.\n";
        return 2;
    }
    if (parse.options.help) {
        std::cout << CalcUsage();
        return 0;
    }
    if (parse.options.fields) {
        std::cout << FieldGlossary();
        return 0;
    }
#ifdef TERVALO_CALC_DRAW_PROGRAM
    DrawingRunsElsewhere(parse.options, argv);
#endif
    if (!parse.options.seasonalUnit.empty())
        return RunSeasonalUnit(parse.options.seasonalUnit, parse.options.json);

    // The files named on the command line are where the user typed them, not in the working folder.
    CalcOptions options = parse.options;
    ResolveFileArguments(options, std::filesystem::current_path());
    const EnteredFolder entered = EnterWorkingFolder(ProgramFolder(argv[0]), ProcessEnvironmentVariable);
    for (const std::string& notice : entered.notices) std::cerr << "tervalo-calc: " << notice << '\n';
    if (entered.failure) {
        std::cerr << "tervalo-calc: " << *entered.failure << '\n';
        return 1;
    }
    const char separator = options.decimalSeparator.value_or(SystemDecimalSeparator());
    // Tervalo's start-up without the steps of its main window; the hand-over file is left for Tervalo.
    if (StartupLoad(HandOverFile::LeaveUnread).brandingDamaged)
        std::cerr << "tervalo-calc: rechOpt.dat is damaged: the default product name is used\n";
    ProjectRecord record;
    record.DecimalSeparator = separator;
    OpenProjectWindow(record);

    if (!options.batchInput.empty()) {
        for (const CalcCommand& command : options.commands) Apply(record, command, "");
        return RunBatch(record, {options.batchInput, options.batchOutput}, options.strict);
    }

    // Under --strict a warning stops the run before the next write.
    bool saved = true;
    for (const CalcCommand& command : options.commands) {
        if (options.strict && WritesFiles(command) &&
            ReportWarnings(record, WarningReasonTexts(), options.json)) {
            PrintWindow(record);
            return 3;
        }
        saved = Apply(record, command, "") && saved;
    }
    // The reasons' texts serve the warnings and the document alike: the commands that change the language
    // are done.
    const FeatureTexts reasons = WarningReasonTexts();
    const bool warned = ReportWarnings(record, reasons, options.json);
    // The figures of the results shown: a dash (null) where inputs typed since change them.
    // The output is one action: its decision, lifetime and seasonal figures share one load.
    ActionLoads loads;
    const DecisionRun decision =
        decision::ShownFigures(EvaluateDecision(record, options.whatIf, options.sensitivity, &loads));
    if (options.json) {
        std::cout << DecisionJson(record, decision, options.whatIf, reasons, &loads);
    } else {
        PrintWindow(record);
        std::cout << DecisionLines(decision, options.whatIf) << SeasonalLines(record, &loads);
    }
    if (!saved) return 1;
    return options.strict && warned ? 3 : 0;
}
