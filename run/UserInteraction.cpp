#include "run/UserInteraction.h"

QString standardErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void UserInteraction::closeMainWindow()
{
    if (m_closeMainWindow)
        m_closeMainWindow();
}

void UserInteraction::setMainWindowClose(std::function<void()> close)
{
    m_closeMainWindow = std::move(close);
}
