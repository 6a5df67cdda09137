#include "project/ui/results_export.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "config/run_settings.h"
#include "engine/file_access.h"
#include "localisation/code_page.h"
#include "localisation/decision_texts.h"
#include "localisation/window_aids_texts.h"
#include "project/decision/csv_table.h"
#include "project/decision/results_csv.h"
#include "project/decision/results_json.h"
#include "project/lifetime/lifetime_json.h"
#include "project/seasonal/seasonal_file.h"
#include "widgets/message_box.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

enum class ExportFormat { Csv, CsvForPeople, Json };

// The file's bytes: the figures only where the window shows them, so that the file says what the window says.
std::string ExportBytes(const ProjectRecord& record, ExportFormat format, const FeatureTexts& texts) {
    // The export is one action: its decision, lifetime and seasonal figures share one load.
    ActionLoads loads;
    const decision::DecisionRun run = decision::ShownFigures(decision::EvaluateDecision(
        record, format == ExportFormat::Json, format == ExportFormat::Json, &loads));
    const int codePage = CodePageOf(Settings.LanguageCode);
    const std::string currency = CodePageToUtf8(Settings.CurrencyCode, codePage);
    // The seasonal figures as tervalo-calc writes them: the `seasonal` object, or its figures as columns.
    const nlohmann::ordered_json seasons = seasonal::ProjectSeasonsMemberObject(record, &loads);
    if (format == ExportFormat::Csv) {
        std::vector<std::string> header = decision::ResultsCsvHeader(record, codePage, currency);
        std::vector<std::string> row = decision::ResultsCsvRow(1, record, run, codePage, currency);
        for (seasonal::SeasonalFigure& figure : seasonal::SeasonalFiguresOf(seasons)) {
            header.push_back(std::move(figure.name));
            row.push_back(figure.text.value_or(std::string()));
        }
        return decision::CsvLine(header) + decision::CsvLine(row);
    }
    if (format == ExportFormat::CsvForPeople)
        return decision::ResultsCsvForPeople(record, run, codePage, currency, record.DecimalSeparator, texts);
    // The document of tervalo-calc --json --what-if --sensitivity, its lifetime and seasonal members
    // included.
    auto document = decision::ResultsDocument(record, decision::FiguresOf(run, true),
                                              {codePage, Settings.LanguageCode, currency});
    lifetime::AddLifetimeMember(document, record, currency, &loads);
    document["seasonal"] = seasons;
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace

void ExportResults(const ProjectRecord& record, const FeatureTexts& texts, QWidget* parent) {
    using namespace decision_texts;
    const QString csvFilter = DisplayText(texts[kCsvFiles]) + QStringLiteral(" (*.csv)");
    const QString jsonFilter = DisplayText(texts[kJsonFiles]) + QStringLiteral(" (*.json)");
    // The spreadsheet's CSV names its separators, so the user sees which file a German spreadsheet opens.
    const QString peopleFilter = DisplayText(texts[kCsvForPeople]) + QStringLiteral(" [") +
                                 QLatin1Char(record.DecimalSeparator == ',' ? ';' : ',') + QLatin1Char(' ') +
                                 QLatin1Char(record.DecimalSeparator) + QStringLiteral("] (*.csv)");
    QFileDialog dialog(parent, DisplayText(texts[kExportTitle]));
    dialog.setObjectName(QStringLiteral("ExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The replace question is the program's own, asked below like the print's.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({csvFilter, jsonFilter, peopleFilter});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(filter == jsonFilter ? QStringLiteral("json") : QStringLiteral("csv"));
    });
    dialog.selectFile(QDir::current().filePath(QStringLiteral("results.csv")));

    const FeatureTexts aids = LoadFeatureTexts(window_aids_texts::kFile, Settings.LanguageCode);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString file = dialog.selectedFiles().front();
        if (QFileInfo::exists(file) &&
            !AskYesNoDefaultNo(parent, DisplayText(Settings.ProductName),
                               QDir::toNativeSeparators(file) + QStringLiteral("\n\n") +
                                   DisplayText(aids[window_aids_texts::kReplaceFile])))
            continue;
        const QString suffix = QFileInfo(file).suffix().toLower();
        const bool json = suffix == QLatin1String("json") ||
                          (suffix != QLatin1String("csv") && dialog.selectedNameFilter() == jsonFilter);
        const ExportFormat format = json                                          ? ExportFormat::Json
                                    : dialog.selectedNameFilter() == peopleFilter ? ExportFormat::CsvForPeople
                                                                                  : ExportFormat::Csv;
        if (!ReplaceFileBytesAt(std::filesystem::path(QFile::encodeName(file).toStdString()),
                                ExportBytes(record, format, texts)))
            ShowMessage(parent, MessageKind::Exclamation, DisplayText(Settings.ProductName),
                        DisplayText(texts[kNotWritten]) + QLatin1Char('\n') + QDir::toNativeSeparators(file));
        return;
    }
}

}  // namespace tervalo
