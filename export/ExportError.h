#pragma once

#include "platform/Error.h"

namespace timetable_export {

// A failure of the timetable export's own (not of a table or the document).
class ExportError : public Error {
public:
    explicit ExportError(const QString &message)
        : Error(Kind::Export, message)
    {
    }
};

} // namespace timetable_export
