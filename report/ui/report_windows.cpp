#include "report/ui/report_windows.h"

#include <QDir>

#include "config/run_settings.h"
#include "report/results_file.h"
#include "report/results_writer.h"
#include "report/ui/current_printer.h"
#include "report/ui/results_view.h"
#include "widgets/message_box.h"
#include "widgets/window_text.h"

namespace tervalo {

bool PrintProject(const ProjectRecord& project, QWidget* parent) {
    if (!WriteResultsFile(project)) {
        const QString file = QDir::current().absoluteFilePath(QString::fromLatin1(kResultsFileName));
        ShowMessage(parent, MessageKind::Exclamation, DisplayText(Settings.ProductName),
                    QStringLiteral("%1\n\nThe results file could not be written (no write permission or "
                                   "the disk is full). The report is not shown.")
                        .arg(QDir::toNativeSeparators(file)));
        return false;
    }
    ShowResultsView(parent, &project);
    return true;
}

void ShowResultsView(QWidget* parent, const ProjectRecord* project) {
    ResultsView view(parent, project);
    view.exec();
}

bool ShowPrinterSetup(QWidget* parent) {
    return printCMsetup(parent);
}

}  // namespace tervalo
