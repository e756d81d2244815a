#pragma once

#include <QString>

// What the program answers without opening a window: --version and --help,
// each only as the sole parameter, as the timetabling program never starts it
// so (two parameters are a driven run, any other single one interactive use).
// Empty for any other command line, which opens the main window.
QString answerWithoutWindow(int argc, const char *const argv[]);

QString versionText();
QString helpText();
