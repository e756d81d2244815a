#include "app/NoMinimiseFilter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void NoMinimiseFilter::install()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new NoMinimiseFilter(app));
}

bool NoMinimiseFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::WindowStateChange || !watched->isWidgetType())
        return false;
    auto *window = static_cast<QWidget *>(watched);
    if (window->isWindow() && (window->windowState() & Qt::WindowMinimized)
        && !(window->windowFlags() & Qt::WindowMinimizeButtonHint))
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    return false;
}
