#pragma once

#include <QApplication>
#include <QWidget>

// The level and course dialog while it is shown, and its widgets by name,
// for tests that act on it from inside its modal loop.
inline QWidget *openWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("ControlCursos") && w->isVisible())
            return w;
    return nullptr;
}

template <typename T>
T *child(const char *name)
{
    QWidget *window = openWindow();
    return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}
