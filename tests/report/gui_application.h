#pragma once

#include <QCoreApplication>

namespace tervalo::test {

// One application object of type App for the whole test program, on the offscreen platform unless another one
// is asked for. Fonts, painting and windows need it. It is never deleted: destroying it among the static
// destructors at exit would run after parts of Qt are gone.
template <typename App>
void EnsureApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "report_tests";
    static char* argv[] = {name, nullptr};
    new App(argc, argv);
}

}  // namespace tervalo::test
