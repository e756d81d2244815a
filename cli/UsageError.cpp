#include "cli/UsageError.h"

UsageError::UsageError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

QString UsageError::message() const
{
    return QString::fromStdString(what());
}
