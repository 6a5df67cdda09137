// Tervalo: runs in the program directory, where it finds its settings, language and data files by bare name.
// The main window reaches the other parts of the program through the commands wired here.
#include <QApplication>

#include "project/project_actions.h"
#include "project/ui/project_window.h"
#include "report/ui/report_windows.h"
#include "shell/ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tervalo::Start start(tervalo::StartCommands{
        [](QWidget* parent, const std::function<void(const std::string&)>& showHint) {
            tervalo::Projektdaten project(showHint, parent);
            project.exec();
        },
        tervalo::ShowPrinterSetup,
        tervalo::RewriteProjectForLanguage,
    });
    start.showMaximized();
    return app.exec();
}
