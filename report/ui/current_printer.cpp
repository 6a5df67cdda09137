#include "report/ui/current_printer.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <memory>

#include "config/run_settings.h"
#include "localisation/title_texts.h"
#include "localisation/window_aids_texts.h"
#include "report/paint/results_page.h"
#include "report/report_title.h"
#include "widgets/message_box.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

std::unique_ptr<QPrinter> printer;
QString printerFont;

// A printer's own font before any other is applied: the family the platform's default font resolves to.
QString DefaultPrinterFont() {
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
}

// A file name from the report's title and today's date, without the characters file systems refuse.
QString ProposedPdfName() {
    QString title = DisplayText(BuildReportTitle()).simplified();
    title.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    if (title.isEmpty()) title = QStringLiteral("ergEN1");
    return title.left(120) + QLatin1Char(' ') + QDate::currentDate().toString(Qt::ISODate) +
           QStringLiteral(".pdf");
}

// The first "name (N).pdf" beside `file` that does not exist yet.
QString FreeFileName(const QString& file) {
    const QFileInfo info(file);
    for (int n = 2;; ++n) {
        const QString candidate = info.dir().filePath(
            QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
        if (!QFileInfo::exists(candidate)) return candidate;
    }
}

// Before a PDF file that exists is replaced, the user is asked; No proposes a free name in the set-up dialog.
bool ReplacingConfirmed(QPrinter& p, QWidget* parent) {
    const FeatureTexts aids = LoadFeatureTexts(window_aids_texts::kFile, Settings.LanguageCode);
    while (p.outputFormat() == QPrinter::PdfFormat && QFileInfo::exists(p.outputFileName())) {
        const QString question = QDir::toNativeSeparators(p.outputFileName()) + QStringLiteral("\n\n") +
                                 DisplayText(aids[window_aids_texts::kReplaceFile]);
        if (AskYesNoDefaultNo(parent, DisplayText(Settings.ProductName), question)) return true;
        p.setOutputFileName(FreeFileName(p.outputFileName()));
        if (!printCMsetup(parent)) return false;
    }
    return true;
}

}  // namespace

QPrinter& CurrentPrinter() {
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

bool HasPrintDestination() {
    const QPrinter& p = CurrentPrinter();
    if (p.outputFormat() == QPrinter::PdfFormat)
        return !p.outputFileName().isEmpty() && !QFileInfo(p.outputFileName()).isDir();
    return !p.printerName().isEmpty() && p.isValid();
}

QSize PrinterPageSize() {
    if (!HasPrintDestination()) return {0, 0};
    QPrinter& p = CurrentPrinter();
    return p.pageLayout().fullRectPixels(p.resolution()).size();
}

qreal PrinterPageHeightPoints() {
    return CurrentPrinter().pageLayout().fullRect(QPageLayout::Point).height();
}

QString PrinterFontName() {
    if (printerFont.isEmpty()) printerFont = DefaultPrinterFont();
    return printerFont;
}

void SetPrinterFontName(const QString& name) {
    // Resolved as the system resolves it: an alias such as "Arial" names no family of its own but the one
    // fontconfig substitutes, which is also what tervalo-calc prints with and what the window should name.
    if (name.trimmed().isEmpty()) return;
    const QString family = QFontInfo(QFont(name)).family();
    if (!family.isEmpty()) printerFont = family;
}

bool printCMsetup(QWidget* parent) {
    QPrinter& p = CurrentPrinter();
    // Without a printer the dialog offers a PDF file; it should propose a file named after the report, not a
    // bare folder.
    if (!HasPrintDestination() && QPrinterInfo::availablePrinters().isEmpty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(
            QDir(QFileInfo(folder).isDir() ? folder : QDir::homePath()).filePath(ProposedPdfName()));
    }
#ifdef Q_OS_WIN
    // Windows' print dialog knows the system's printers only and refuses a PDF destination; without a printer
    // the PDF file is chosen in the file dialog (replacing a file is asked when printing).
    if (p.outputFormat() == QPrinter::PdfFormat) {
        const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Kelvara Printer Setup"),
                                                          p.outputFileName(), QStringLiteral("PDF (*.pdf)"),
                                                          nullptr, QFileDialog::DontConfirmOverwrite);
        if (file.isEmpty()) return false;
        p.setOutputFileName(file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                                ? file
                                : file + QStringLiteral(".pdf"));
        return true;
    }
#endif
    QPrintDialog dialog(&p, parent);
    dialog.setWindowTitle(QStringLiteral("Kelvara ") +
                          DisplayText(TitleText(titles_texts::kPrinterSetup, Settings.LanguageCode)));
    // The set-up form: destination and paper only, no page range or copies; confirming prints nothing yet.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    return dialog.exec() == QDialog::Accepted;
}

PrintOutcome PrintOnCurrentPrinter(QWidget* parent, const FurtherPage& further) {
    if (!HasPrintDestination() && !printCMsetup(parent)) return PrintOutcome::Cancelled;
    QPrinter& p = CurrentPrinter();
    if (!ReplacingConfirmed(p, parent)) return PrintOutcome::Cancelled;
    // A print queue shows the document by its title.
    p.setDocName(DisplayText(BuildReportTitle()));
    p.setCreator(DisplayText(Settings.ProductName));
    p.setFullPage(true);
    p.setFromTo(0, 0);
    p.setCopyCount(1);
    // A PDF file is drawn in memory and replaced as a whole, never truncated in place.
    const bool printed =
        p.outputFormat() == QPrinter::PdfFormat
            ? PrintResultsPdf(p.outputFileName(), PrinterFontName(), p.pageLayout(), p.resolution(), further)
            : PrintResultsPage(p, PrinterFontName(), further);
    return printed ? PrintOutcome::Printed : PrintOutcome::Failed;
}

QString PrintDestinationName() {
    const QPrinter& p = CurrentPrinter();
    return p.outputFormat() == QPrinter::PdfFormat ? QDir::toNativeSeparators(p.outputFileName())
                                                   : p.printerName();
}

void ResetCurrentPrinter() {
    printer.reset();
    printerFont.clear();
}

}  // namespace tervalo
