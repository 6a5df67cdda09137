#pragma once

// The program's current printer: chosen in the printer set-up dialog and kept until the program ends, with
// the font the print settings applied to it. Where the machine has no printer, the set-up dialog offers
// printing to a PDF file, which then stays the destination.

#include <QSize>
#include <QString>

#include "report/paint/results_page.h"

class QPrinter;
class QWidget;

namespace tervalo {

QPrinter& CurrentPrinter();

// Whether the current printer can receive a page: a printer of the system or a PDF file.
bool HasPrintDestination();

// The printer's page width and height in its own units (device pixels); 0 and 0 when there is no printer.
QSize PrinterPageSize();

// The height of the paper the page will be printed on, in points: the current printer's, or the paper a PDF
// file chosen in the set-up dialog would get when there is no printer yet.
qreal PrinterPageHeightPoints();

// The printer's font name. Setting a name the printer does not have keeps the printer's own.
QString PrinterFontName();
void SetPrinterFontName(const QString& name);

// The platform's printer set-up dialog, titled "Kelvara Printer Setup". True when confirmed, false when
// cancelled (nothing changes then).
bool printCMsetup(QWidget* parent);

// Prints the report page on the current printer with its font, as one sheet (and `further` on a second).
// Without a destination the set-up dialog is shown first so that a PDF file can be chosen.
enum class PrintOutcome { Printed, Cancelled, Failed };
PrintOutcome PrintOnCurrentPrinter(QWidget* parent, const FurtherPage& further = {});

// The printer's name, or the PDF file it prints to.
QString PrintDestinationName();

// Forgets the printer and its font (tests).
void ResetCurrentPrinter();

}  // namespace tervalo
