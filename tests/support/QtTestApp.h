#pragma once

#include <QApplication>

// The one QApplication of a widget test program, made on first use, on the
// offscreen platform unless the caller chose another. It is never destroyed:
// at exit Qt's own globals may already be gone.
inline QApplication &qtTestApp()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}
