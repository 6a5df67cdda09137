// Tervalo: starts in the program directory, reads the settings and language files and opens the main window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "localisation/code_page.h"
#include "localisation/language_tables.h"
#include "shell/language_session.h"
#include "shell/run_settings.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tervalo::StartupLoad();
    const int codePage = tervalo::CodePageOf(tervalo::Settings.LanguageCode);
    const auto show = [codePage](const std::string& text) {
        return QString::fromStdString(tervalo::CodePageToUtf8(text, codePage));
    };
    QMainWindow window;
    window.setWindowTitle(show(tervalo::Settings.ProductName + " " + tervalo::HeatCaption(1)));
    window.setCentralWidget(new QLabel(show(tervalo::Message(42))));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
