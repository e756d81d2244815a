#include "platform/Error.h"

Error::Error(Kind kind, const QString &message)
    : m_kind(kind)
    , m_utf8(message.toUtf8())
{
}

Error::Kind Error::kind() const
{
    return m_kind;
}

QString Error::message() const
{
    return QString::fromUtf8(m_utf8);
}

const char *Error::what() const noexcept
{
    return m_utf8.constData();
}
