#include "report/ui/current_printer.h"

#include <QFontDatabase>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "report/paint/results_page.h"

namespace tervalo {

namespace {

std::unique_ptr<QPrinter> printer;
QString printerFont;

// A printer's own font before any other is applied: the platform's default family.
QString DefaultPrinterFont() { return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(); }

}  // namespace

QPrinter& CurrentPrinter() {
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

bool HasPrintDestination() {
    const QPrinter& p = CurrentPrinter();
    if (p.outputFormat() == QPrinter::PdfFormat) return !p.outputFileName().isEmpty();
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
    for (const QString& family : QFontDatabase::families()) {
        if (family.compare(name, Qt::CaseInsensitive) == 0) {
            printerFont = family;
            return;
        }
    }
}

bool printCMsetup(QWidget* parent) {
    QPrintDialog dialog(&CurrentPrinter(), parent);
    dialog.setWindowTitle(QStringLiteral("Kelvara Printer Setup"));
    // The set-up form: destination and paper only, no page range or copies.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintOnCurrentPrinter(QWidget* parent) {
    if (!HasPrintDestination() && !printCMsetup(parent)) return false;
    QPrinter& p = CurrentPrinter();
    p.setFullPage(true);
    p.setFromTo(0, 0);
    p.setCopyCount(1);
    return PrintResultsPage(p, PrinterFontName());
}

void ResetCurrentPrinter() {
    printer.reset();
    printerFont.clear();
}

}  // namespace tervalo
