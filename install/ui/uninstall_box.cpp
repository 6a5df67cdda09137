#include "install/ui/uninstall_box.h"

#include "install/core/command_line.h"

std::unique_ptr<QMessageBox> UninstallReportBox(const installer::UninstallResult& result,
                                                const std::filesystem::path& target, const QString& title) {
    const bool clean = result.recordFound && result.failed.empty();
    auto box = std::make_unique<QMessageBox>(
        clean ? QMessageBox::Information : QMessageBox::Warning, title,
        QString::fromStdString(installer::UninstallSummary(result, target)), QMessageBox::Ok);
    if (result.recordFound)
        box->setDetailedText(QString::fromStdString(installer::UninstallReport(result, target)));
    return box;
}
