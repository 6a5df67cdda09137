// The picture of the project window that the AppStream metainfo names: the window as a user first sees it,
// drawn without a screen from a copy of the staged program directory in English.
//   project_window_shot PROGRAM_DIRECTORY OUTPUT.png
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "project/project_record.h"
#include "project/ui/project_window.h"
#include "shell/language_session.h"

namespace fs = std::filesystem;

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: project_window_shot PROGRAM_DIRECTORY OUTPUT.png\n";
        return 2;
    }
    const fs::path programDirectory = fs::absolute(argv[1]);
    const QString output = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The program writes into its folder: a copy of the data files keeps the build's own as it is.
    QTemporaryDir folder;
    if (!folder.isValid()) return 1;
    for (const auto& entry : fs::directory_iterator(programDirectory)) {
        if (!entry.is_regular_file() ||
            (entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none)
            continue;
        fs::copy_file(entry.path(), fs::path(folder.path().toStdString()) / entry.path().filename());
    }
    QDir::setCurrent(folder.path());
    std::ofstream("kparam.dat", std::ios::binary)
        << "\"\",\"\",\"\",\"ENG\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\",0,\"\",0\r\n0,35,\"2.5\",\"\","
           "\"\",0,\"\"\r\n";
    tervalo::StartupLoad(tervalo::HandOverFile::LeaveUnread);

    tervalo::ProjectRecord project;
    tervalo::Projektdaten window(project, {});
    window.show();
    // The window calculates and lays itself out once it shows.
    for (int round = 0; round < 10; ++round) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    if (!window.grab().save(output)) {
        std::cerr << "project_window_shot: " << output.toStdString() << " could not be written\n";
        return 1;
    }
    return 0;
}
