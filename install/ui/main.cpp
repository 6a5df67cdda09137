#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <iostream>
#include <string_view>
#include <vector>

#include "install/core/command_line.h"
#include "install/core/install_plan.h"
#include "install/core/path_text.h"
#include "install/ui/installer_window.h"
#include "install/ui/uninstall_box.h"

#ifdef _WIN32
#include "install/windows/windows_platform.h"
using NativePlatform = installer::WindowsPlatform;
#else
#include "install/posix/posix_platform.h"
using NativePlatform = installer::PosixPlatform;
#endif

namespace {

std::filesystem::path ProgramFolder() {
    return installer::PathFromUtf8(QCoreApplication::applicationDirPath().toStdString());
}

// The uninstall of the installation that this executable belongs to: on the terminal, or in message boxes.
int Uninstall(int argc, char* argv[], const installer::CommandLine& command) {
    NativePlatform platform;
    if (!command.ask) {
        QCoreApplication application(argc, argv);
        const auto result = installer::Uninstall(ProgramFolder(), command.removeUserFiles,
                                                 installer::LauncherFolders(platform));
        std::cout << installer::UninstallReport(result, ProgramFolder());
        return result.recordFound && result.failed.empty() ? 0 : 1;
    }
    QApplication application(argc, argv);
    const QString title = QString::fromStdString(installer::WindowCaption());
    const QString folder = QString::fromStdString(installer::Utf8(ProgramFolder()));
    if (QMessageBox::question(nullptr, title,
                              QStringLiteral("Remove %1 from %2?\nYour own settings, project, prices and "
                                             "help texts stay.")
                                  .arg(QString::fromStdString(installer::ProgramTitle()), folder)) !=
        QMessageBox::Yes)
        return 1;
    const auto result =
        installer::Uninstall(ProgramFolder(), command.removeUserFiles, installer::LauncherFolders(platform));
    UninstallReportBox(result, ProgramFolder(), title)->exec();
    return result.recordFound && result.failed.empty() ? 0 : 1;
}

}  // namespace

// The installer: copies the distribution that stands beside this executable into a target directory. The
// distribution is the executable's own folder, so the installer works wherever it is started from.
int main(int argc, char* argv[]) {
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const installer::CommandLine command = installer::ParseCommandLine(arguments);
    const std::string name =
        argc > 0 ? installer::Utf8(installer::PathFromUtf8(argv[0]).filename()) : "install";
    switch (command.action) {
        case installer::CommandAction::ShowHelp:
            std::cout << installer::HelpText(name);
            return 0;
        case installer::CommandAction::ShowVersion:
            std::cout << installer::VersionText();
            return 0;
        case installer::CommandAction::Invalid:
            std::cerr << name << ": " << command.error << "\nTry '" << name << " --help'.\n";
            return 2;
        case installer::CommandAction::Uninstall:
            return Uninstall(argc, argv, command);
        case installer::CommandAction::OpenWindow:
            break;
    }

    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QString::fromStdString(
        installer::Utf8(ProgramFolder() / installer::PathFromUtf8(installer::kIconFileName)))));
    NativePlatform platform;
    InstallerWindow window(platform, ProgramFolder());
    window.show();
    return application.exec();
}
