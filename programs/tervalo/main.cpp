// Tervalo: runs in the program directory, where it finds its settings, language and data files by bare name.
// main() owns the run's project record; the main window reaches the other parts of the program through the
// commands wired here.
#include <QApplication>

#include "project/project_actions.h"
#include "project/project_record.h"
#include "project/ui/project_window.h"
#include "report/ui/report_windows.h"
#include "shell/ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tervalo::ProjectRecord project;
    tervalo::Start start(tervalo::StartCommands{
        [&project](QWidget* parent, const std::function<void(const std::string&)>& showHint,
                   const std::string& helpTopic) {
            tervalo::Projektdaten window(project, {showHint, tervalo::PrintProject, helpTopic}, parent);
            window.exec();
        },
        tervalo::ShowPrinterSetup,
        tervalo::RewriteProjectForLanguage,
    });
    start.showMaximized();
    return app.exec();
}
