#include <QApplication>

#include "install/core/path_text.h"
#include "install/ui/installer_window.h"

#ifdef _WIN32
#include "install/windows/windows_platform.h"
using NativePlatform = installer::WindowsPlatform;
#else
#include "install/posix/posix_platform.h"
using NativePlatform = installer::PosixPlatform;
#endif

// install: copies the distribution that stands beside this executable into a target directory. The
// distribution is the executable's own folder, so the installer works wherever it is started from.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    NativePlatform platform;
    InstallerWindow window(platform,
                           installer::PathFromUtf8(QCoreApplication::applicationDirPath().toStdString()));
    window.show();
    return application.exec();
}
