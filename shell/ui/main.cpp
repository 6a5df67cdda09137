// Tervalo: runs in the program directory, where it finds its settings, language and data files by bare name.
#include <QApplication>

#include "project/project_actions.h"
#include "report/ui/report_windows.h"
#include "shell/ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tervalo::Start start(tervalo::StartCommands{
        nullptr,
        tervalo::ShowPrinterSetup,
        tervalo::RewriteProjectForLanguage,
    });
    start.showMaximized();
    return app.exec();
}
