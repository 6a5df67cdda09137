// The program's start-up with its welcome window answered, for tests that kill it between its writes: the
// main window as the program builds it, with the program's language switch, and the welcome window given the
// option named by the argument and closed, which confirms it. 0 once the main window has taken the choice.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include "project/project_actions.h"
#include "shell/ui/main_window.h"
#include "widgets/window_text.h"

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    const QString option = QString::fromUtf8(argv[1]);
    QApplication app(argc, argv);
    tervalo::Start start(tervalo::StartCommands{
        [](QWidget*, const std::function<void(const std::string&)>&, const std::string&) {},
        [](QWidget*) { return false; },
        [](const std::string& fromCode, const std::string& toCode) {
            return tervalo::RewriteProjectAndStoreLanguage(fromCode, toCode,
                                                           tervalo::SystemDecimalSeparator());
        },
    });
    int status = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* welcome = QApplication::activeModalWidget();
        if (!welcome) return;
        answer.stop();
        auto* button = welcome->findChild<QAbstractButton*>(option);
        if (button)
            button->click();
        else
            status = 3;
        welcome->close();
    });
    answer.start(5);
    start.Activate();
    return status;
}
