// tervalo-calc: the project window without a window, for scripted and batch use. It starts as Tervalo does in
// its working folder (settings, language texts, branding), opens the project window (record, rules,
// catalogue index, calculation), applies its arguments in order and prints the window's texts.

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "engine/platform.h"
#include "engine/text_util.h"
#include "localisation/code_page.h"
#include "project/calc_arguments.h"
#include "project/project_actions.h"
#include "project/project_fields.h"
#include "project/project_lists.h"
#include "project/project_record.h"
#include "report/results_writer.h"
#ifdef TERVALO_CALC_PDF
#include "report/paint/results_page.h"
#endif
#include "shell/language_session.h"
#include "config/run_settings.h"
#include "shell/program_identity.h"
#include "shell/working_folder.h"

namespace {

using namespace tervalo;

int CodePage() {
    return CodePageOf(Settings.LanguageCode);
}

std::string Utf8(const std::string& text) {
    return CodePageToUtf8(text, CodePage());
}

void ShowMessages(const WindowMessages& messages) {
    for (std::string text : messages) {
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
            text.erase(at, 1);  // CR LF becomes LF
        std::cerr << "message: " << Utf8(text) << '\n';
    }
}

// The system locale's decimal separator. The numeric locale is then put back to "C", since the number texts
// are formed with the C library.
char SystemDecimalSeparator() {
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "")) {
        const char* point = std::localeconv()->decimal_point;
        if (point && point[0] && !point[1]) separator = point[0];
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

void OpenProjectWindow(ProjectRecord& record) {
    ClearProjectWindow(record);
    OnWindowLoad(record);
    OnWindowActivate(record);
}

// The action of FIELD=TEXT.
void SetAndAct(ProjectRecord& record, const ProjectFieldInfo& field, const std::string& text) {
    switch (field.kind) {
        case FieldKind::List:
            OnListChosen(record, *field.list, text);
            break;
        case FieldKind::CheckBox:
            OnEinbindCheckClicked(record, text == "1");
            break;
        case FieldKind::Text:
            EditableText(record, field) = text;
            ShowMessages(OnEnter(record, field.text));
            break;
        case FieldKind::PriceBox:
            EditableText(record, field) = text;
            break;
        case FieldKind::UnitLabel:
        case FieldKind::ResultLabel:
            break;
    }
}

// The reaction of FIELD:=TEXT: typing changes the text; in HeizArt that is a change of the heating type's
// text, in t0 every key refreshes the application limits.
void SetOnly(ProjectRecord& record, const ProjectFieldInfo& field, const std::string& text) {
    if (field.kind == FieldKind::CheckBox) {
        record.EinbindCheck = text == "1";
        return;
    }
    EditableText(record, field) = text;
    if (field.text == &ProjectRecord::HeizArt) OnHeizArtTextChanged(record);
    if (field.text == &ProjectRecord::t0) ShowMessages(OnT0Key(record, text.empty() ? 0 : text.back()));
}

// The project window's print command: the lock, the results file, and the activation that follows the
// results view. False when the file could not be written.
bool PrintCommand(ProjectRecord& record) {
    OnPrintCommand(record);
    const bool written = WriteResultsFile(record);
    if (!written) std::cerr << "tervalo-calc: ergEN1.DAT could not be written\n";
    OnWindowActivate(record);
    return written;
}

// The report page printed to a PDF file, as the results view prints it.
bool PrintPdf(const std::string& file) {
#ifdef TERVALO_CALC_PDF
    if (PrintResultsPdfFile(file)) return true;
    std::cerr << "tervalo-calc: " << file << " could not be written\n";
#else
    std::cerr << "tervalo-calc: this build prints no PDF files (" << file << ")\n";
#endif
    return false;
}

// Applies one command; false when the project or a report could not be written.
bool Apply(ProjectRecord& record, const CalcCommand& command) {
    using A = CalcCommand::Action;
    switch (command.action) {
        case A::SetAndAct:
            SetAndAct(record, *command.field, Utf8ToCodePage(command.text, CodePage()));
            break;
        case A::ChooseEntry: {
            const ProjectList list = *command.field->list;
            OnListChosen(record, list, ListEntries(list)[static_cast<std::size_t>(command.entry - 1)]);
            break;
        }
        case A::SetOnly:
            SetOnly(record, *command.field, Utf8ToCodePage(command.text, CodePage()));
            break;
        case A::Save:
            if (!OnAcceptCommand(record)) {
                std::cerr << "tervalo-calc: TempPart.dat could not be written\n";
                return false;
            }
            break;
        case A::Calculate:
            OnCalculateCommand(record);
            break;
        case A::Activate:
            OnWindowActivate(record);
            break;
        case A::OpenPrices:
            OnFuelPriceCommand(record);
            break;
        case A::AcceptPrices:
            if (!OnFuelPriceAccept(record)) std::cerr << "tervalo-calc: SpezBK.dat could not be written\n";
            break;
        case A::CancelPrices:
            OnFuelPriceCancel(record);
            break;
        case A::SwitchLanguage: {
            LanguageSwitchSteps steps;
            steps.rewriteProject = RewriteProjectForLanguage;
            if (const auto refusal = SwitchLanguage(UpperAscii(command.text), steps))
                ShowMessages({refusal->text});
            OpenProjectWindow(record);
            break;
        }
        case A::WriteResults:
            return PrintCommand(record);
        case A::PrintPdf:
            return PrintCommand(record) && PrintPdf(command.text);
    }
    return true;
}

void PrintWindow(const ProjectRecord& record) {
    for (const ProjectFieldInfo& field : ProjectFields())
        std::cout << field.name << '=' << Utf8(FieldDisplayText(record, field)) << '\n';
    for (const ProjectFieldInfo& field : ProjectFields()) {
        if (!field.list) continue;
        const auto& entries = record.lists[static_cast<std::size_t>(*field.list)];
        for (std::size_t i = 0; i < entries.size(); ++i)
            std::cout << field.name << '#' << i + 1 << '=' << Utf8(entries[i]) << '\n';
    }
    for (const ControlCaption& caption : record.captions)
        std::cout << caption.control << ".Caption=" << Utf8(caption.text) << '\n';
    std::cout << "Projektdaten.Caption=" << Utf8(record.Title) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
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

    bool saved = true;
    for (const CalcCommand& command : parse.options.commands) saved = Apply(record, command) && saved;
    PrintWindow(record);
    return saved ? 0 : 1;
}
