#pragma once

#include <QMessageBox>
#include <filesystem>
#include <memory>

#include "install/core/install_record.h"

// The window that reports an uninstall: one summary line, and the paths (which may be hundreds) in the box's
// scrollable details, so that the window fits any screen.
std::unique_ptr<QMessageBox> UninstallReportBox(const installer::UninstallResult& result,
                                                const std::filesystem::path& target, const QString& title);
