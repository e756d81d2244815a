#include "run/UserInteraction.h"

#include <QStringList>

QString standardErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void UserInteraction::showNoFile(const QString &text, const QString &path, const QString &hint)
{
    QStringList lines{text};
    for (const QString &line : {path, hint})
        if (!line.isEmpty())
            lines << line;
    showMessage(lines.join(QStringLiteral("\n\r")));
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
