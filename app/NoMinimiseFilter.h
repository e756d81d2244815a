#pragma once

#include <QObject>

// Puts back at once a window that a window manager minimised although its
// frame offers no minimise button. The fixed windows say so in their hints
// (no minimise function in the Motif hints, a minimum size equal to the
// maximum), but some window managers, openbox among them, offer minimise on
// every window whatever its hints; a minimised modal dialog would leave the
// program out of reach, with nothing on the screen to bring it back.
class NoMinimiseFilter : public QObject {
public:
    using QObject::QObject;

    // Watches every window of the application.
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
