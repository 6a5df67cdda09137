#include "report/ui/current_printer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <memory>

#include "report/paint/results_page.h"

namespace tervalo {

namespace {

std::unique_ptr<QPrinter> printer;
QString printerFont;

// A printer's own font before any other is applied: the family the platform's default font resolves to.
QString DefaultPrinterFont() {
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
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
    // Without a printer the dialog offers a PDF file; it should propose a file, not a bare folder.
    if (!HasPrintDestination() && QPrinterInfo::availablePrinters().isEmpty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(
            QDir(QFileInfo(folder).isDir() ? folder : QDir::homePath()).filePath("ergEN1.pdf"));
    }
    QPrintDialog dialog(&p, parent);
    dialog.setWindowTitle(QStringLiteral("Kelvara Printer Setup"));
    // The set-up form: destination and paper only, no page range or copies; confirming prints nothing yet.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    return dialog.exec() == QDialog::Accepted;
}

PrintOutcome PrintOnCurrentPrinter(QWidget* parent, const FurtherPage& further) {
    if (!HasPrintDestination() && !printCMsetup(parent)) return PrintOutcome::Cancelled;
    QPrinter& p = CurrentPrinter();
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
