#pragma once

#include "platform/Error.h"

#include <QString>

namespace xml {

// Every failure of the XML layer.
class XmlError : public Error {
public:
    explicit XmlError(const QString &message)
        : Error(Kind::Document, message)
    {
    }
};

} // namespace xml
