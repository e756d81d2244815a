#pragma once

#include "platform/Error.h"

#include <QString>

namespace dbf {

// Every failure of the table layer.
class DbfError : public Error {
public:
    explicit DbfError(const QString &message)
        : Error(Kind::Table, message)
    {
    }
};

// A table that another program holds (it keeps the table open, or has locked
// it): the operation changed nothing. A kind of its own, so that a caller can
// tell "close the other program and try again" from other failures.
class TableInUseError : public DbfError {
public:
    using DbfError::DbfError;
};

} // namespace dbf
