#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

// Opens files with the program the system has for them, and learns whether
// one did. On X11 and Wayland Qt hands a file to xdg-open and forgets it, so
// a system without a browser or an editor fails with nothing but a line on
// standard error; installed as the handler of file addresses, this viewer
// waits for xdg-open's answer instead. Where Qt learns the answer itself
// (Windows, where there is no xdg-open), nothing is installed.
class SystemViewer : public QObject {
    Q_OBJECT
public:
    // Installs the viewer for the rest of the application's life when the
    // system opens files through xdg-open.
    static void install();
    // Takes the handling of file addresses back, for tests.
    static void uninstall();

    // Opens `url`; `noProgram` runs when no program opened it: at once, or
    // once xdg-open has given up, unless `context` is gone by then.
    static void open(const QUrl &url, QObject *context, std::function<void()> noProgram);

public slots:
    // The handler QDesktopServices calls.
    void openUrl(const QUrl &url);

private:
    explicit SystemViewer(QObject *parent);
};
