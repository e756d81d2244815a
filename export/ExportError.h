#pragma once

#include "platform/Error.h"

// A failure of the timetable export's own (not of a table or the document).
class ExportError : public Error {
public:
    explicit ExportError(const QString &message)
        : Error(Kind::Export, message)
    {
    }
};
