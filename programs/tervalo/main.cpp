// Tervalo: runs in its working folder (the program directory, or the user's own folder when that is not
// writable), where it finds its settings, language and data files by bare name. main() owns the run's project
// record; the main window reaches the other parts of the program through the commands wired here.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <iostream>

#include "project/project_actions.h"
#include "project/project_record.h"
#include "project/ui/project_window.h"
#include "report/ui/cycle_window.h"
#include "report/ui/report_windows.h"
#include "shell/program_identity.h"
#include "shell/ui/main_window.h"
#include "shell/working_folder.h"
#include "widgets/window_text.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    switch (tervalo::FindInfoRequest(arguments)) {
        case tervalo::InfoRequest::Help:
            std::cout << tervalo::TervaloUsage();
            return 0;
        case tervalo::InfoRequest::Version:
            std::cout << tervalo::VersionText("tervalo");
            return 0;
        case tervalo::InfoRequest::None:
            break;
    }
    if (const std::string unknown = tervalo::UnknownTervaloArgument(arguments); !unknown.empty()) {
        std::cerr << "tervalo: unknown argument \"" << unknown << "\"\n"
                  << tervalo::kTervaloUsageLine << "Try tervalo --help.\n";
        return 2;
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(tervalo::kDesktopFileId);
    const tervalo::EnteredFolder entered =
        tervalo::EnterWorkingFolder(tervalo::ProgramFolder(argv[0]), tervalo::ProcessEnvironmentVariable);
    for (const std::string& notice : entered.notices) std::cerr << "tervalo: " << notice << '\n';
    if (entered.failure) {
        QMessageBox::critical(nullptr, "Tervalo", QString::fromStdString(*entered.failure));
        return 1;
    }
    QApplication::setWindowIcon(QIcon(tervalo::kIconFileName));
    tervalo::ProjectRecord project;
    QSize projectWindowSize;  // as the user last left it, for the run
    tervalo::Start start(tervalo::StartCommands{
        [&project, &projectWindowSize](QWidget* parent,
                                       const std::function<void(const std::string&)>& showHint,
                                       const std::string& helpTopic) {
            const auto showCycle = [](const tervalo::ProjectRecord& record, tervalo::Projektdaten& window) {
                tervalo::CycleWindow* cycle = tervalo::ShowCycleWindow(record, &window);
                QObject::connect(&window, &tervalo::Projektdaten::RecordShown, cycle,
                                 &tervalo::CycleWindow::Refresh, Qt::UniqueConnection);
            };
            tervalo::Projektdaten window(
                project, {showHint, tervalo::PrintProject, helpTopic, showCycle, &projectWindowSize}, parent);
            window.exec();
        },
        tervalo::ShowPrinterSetup,
        [](const std::string& fromCode, const std::string& toCode) {
            return tervalo::RewriteProjectAndStoreLanguage(fromCode, toCode,
                                                           tervalo::SystemDecimalSeparator());
        },
    });
    start.showMaximized();
    return app.exec();
}
