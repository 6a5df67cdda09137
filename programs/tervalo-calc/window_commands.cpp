#include "window_commands.h"

#include <clocale>
#include <iostream>

#include "config/run_settings.h"
#include "engine/file_access.h"
#include "engine/text_util.h"
#include "localisation/code_page.h"
#include "localisation/cycle_texts.h"
#include "programs/tervalo-calc/calc_output.h"
#include "project/cycle_view/cycle_view.h"
#include "project/cycle_view/trace_rows.h"
#include "project/input_edits.h"
#include "project/project_lists.h"
#include "project/result_reason_text.h"
#include "report/results_writer.h"
#ifdef TERVALO_CALC_PDF
#include "report/paint/cycle_diagram.h"
#include "report/paint/results_page.h"
#endif
#include "shell/language_session.h"

namespace tervalo {

namespace {

// The complaint about a data file that could not be written, with the reason where it is known.
void ReportNotWritten(const char* file) {
    std::cerr << "tervalo-calc: " << file << " could not be written"
              << (ReplacementInProgress(file) ? ": another program is writing it" : "") << '\n';
}

// The action of FIELD=TEXT.
void SetAndAct(ProjectRecord& record, const ProjectFieldInfo& field, const std::string& text,
               std::string_view prefix, ActionLoads* loads) {
    switch (field.kind) {
        case FieldKind::List:
            OnListChosen(record, *field.list, text, loads);
            break;
        case FieldKind::CheckBox:
            OnEinbindCheckClicked(record, text == "1", loads);
            break;
        case FieldKind::Text:
            EditableText(record, field) = text;
            ShowMessages(OnEnter(record, field.text, loads), prefix);
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
void SetOnly(ProjectRecord& record, const ProjectFieldInfo& field, const std::string& text,
             std::string_view prefix, ActionLoads* loads) {
    if (field.kind == FieldKind::CheckBox) {
        record.EinbindCheck = text == "1";
        return;
    }
    EditableText(record, field) = text;
    if (field.text == &ProjectRecord::HeizArt) OnHeizArtTextChanged(record, loads);
    if (field.text == &ProjectRecord::t0)
        ShowMessages(OnT0Key(record, text.empty() ? 0 : text.back(), loads), prefix);
}

// The project window's print command: the lock, the results file, and the activation that follows the
// results view. False when the file could not be written.
bool PrintCommand(ProjectRecord& record) {
    OnPrintCommand(record);
    const bool written = WriteResultsFile(record);
    if (!written) ReportNotWritten("ergEN1.DAT");
    OnWindowActivate(record);
    return written;
}

// The report page printed to a PDF file, as the results view prints it.
bool PrintPdf(const std::string& file) {
#ifdef TERVALO_CALC_PDF
    if (PrintResultsPdfFile(file)) return true;
    std::cerr << "tervalo-calc: " << EscapeLineValue(file) << " could not be written\n";
#else
    std::cerr << "tervalo-calc: this build prints no PDF files (" << EscapeLineValue(file) << ")\n";
#endif
    return false;
}

// The cycle's diagram of the project as computed now.
bool WriteDiagram(const ProjectRecord& record, const std::string& file) {
#ifdef TERVALO_CALC_PDF
    if (WriteCycleDiagramFile(file, record)) return true;
    const bool svg = file.size() >= 4 && QString::fromStdString(file.substr(file.size() - 4))
                                                 .compare(QStringLiteral(".svg"), Qt::CaseInsensitive) == 0;
    if (svg && !kCycleDiagramSvg)
        std::cerr << "tervalo-calc: this build writes the diagram as PNG only (" << file << ")\n";
    else
        std::cerr << "tervalo-calc: " << file << " could not be written\n";
#else
    (void)record;
    std::cerr << "tervalo-calc: this build draws no diagrams (" << file << ")\n";
#endif
    return false;
}

// The working of the run whose results are shown: with inputs typed since, that of the texts it read.
void PrintTrace(const ProjectRecord& record) {
    std::cout << TraceText(TraceRows(CycleViewOf(AsCalculated(record)).trace,
                                     LoadFeatureTexts(cycle_texts::kFile, Settings.LanguageCode)));
}

// The language command: the project rewritten and the new language stored in the settings file together,
// so that the next start finds both in the same language. False when either could not be written.
bool SwitchLanguageAndReopen(ProjectRecord& record, const std::string& code, std::string_view prefix) {
    bool rewritten = true;
    LanguageSwitchSteps steps;
    steps.rewriteProject = [&rewritten](const std::string& from, const std::string& to) {
        return rewritten = RewriteProjectAndStoreLanguage(from, to, SystemDecimalSeparator());
    };
    if (const auto refusal = SwitchLanguage(code, steps)) ShowMessages({refusal->text}, prefix);
    OpenProjectWindow(record);
    if (!rewritten)
        std::cerr << "tervalo-calc: TempPart.dat and kparam.dat could not both be rewritten into " << code
                  << '\n';
    return rewritten;
}

// Applies one command; false when the project or a report could not be written.
bool ApplyCommand(ProjectRecord& record, const CalcCommand& command, std::string_view prefix,
                  ActionLoads* loads) {
    using A = CalcCommand::Action;
    switch (command.action) {
        case A::SetAndAct:
            SetAndAct(record, *command.field, Utf8ToCodePage(command.text, CodePage()), prefix, loads);
            break;
        case A::ChooseEntry: {
            const ProjectList list = *command.field->list;
            OnListChosen(record, list, ListEntries(list)[static_cast<std::size_t>(command.entry - 1)], loads);
            break;
        }
        case A::SetOnly:
            SetOnly(record, *command.field, Utf8ToCodePage(command.text, CodePage()), prefix, loads);
            break;
        case A::Save:
            if (!OnAcceptCommand(record)) {
                ReportNotWritten("TempPart.dat");
                return false;
            }
            break;
        case A::Calculate:
            OnCalculateCommand(record, loads);
            break;
        case A::Activate:
            OnWindowActivate(record, loads);
            break;
        case A::OpenPrices:
            OnFuelPriceCommand(record);
            break;
        case A::AcceptPrices:
            if (!OnFuelPriceAccept(record)) {
                ReportNotWritten("SpezBK.dat");
                return false;
            }
            break;
        case A::CancelPrices:
            OnFuelPriceCancel(record);
            break;
        case A::SwitchLanguage:
            return SwitchLanguageAndReopen(record, UpperAscii(command.text), prefix);
        case A::WriteResults:
            return PrintCommand(record);
        case A::PrintPdf:
            if (PrintCommand(record)) return PrintPdf(command.text);
            std::cerr << "tervalo-calc: " << EscapeLineValue(command.text) << " was not written\n";
            return false;
        case A::WriteDiagram:
            return WriteDiagram(record, command.text);
        case A::PrintTrace:
            PrintTrace(record);
            break;
    }
    return true;
}

}  // namespace

int CodePage() {
    return CodePageOf(Settings.LanguageCode);
}

std::string Utf8(const std::string& text) {
    return CodePageToUtf8(text, CodePage());
}

FeatureTexts WarningReasonTexts() {
    const FeatureTexts english = LoadResultMarkTexts("ENG");
    std::vector<std::string> items;
    for (int item = 1; item <= english.size(); ++item)
        items.push_back(Utf8ToCodePage(CodePageToUtf8(english[item], english.codePage()), CodePage()));
    return FeatureTexts(std::move(items), CodePage());
}

std::vector<std::string> Warnings(const ProjectRecord& record, const FeatureTexts& reasons) {
    std::vector<std::string> warnings;
    for (const std::string& warning : ProjectWarnings(record, reasons))
        warnings.push_back(EscapeLineValue(Utf8(warning)));
    return warnings;
}

void ShowMessages(const WindowMessages& messages, std::string_view prefix) {
    for (std::string text : messages) {
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
            text.erase(at, 1);  // CR LF becomes LF
        std::cerr << prefix << "message: " << Utf8(text) << '\n';
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

// Applies one command; false when the project or a report could not be written. Afterwards the results
// that inputs set without their action affect are marked, as the window marks them.
bool Apply(ProjectRecord& record, const CalcCommand& command, std::string_view prefix, ActionLoads* loads) {
    const bool done = ApplyCommand(record, command, prefix, loads);
    MarkEditedInputs(record);
    return done;
}

}  // namespace tervalo
