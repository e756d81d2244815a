#pragma once

#include <QString>

#include <stdexcept>

// A failure of the timetable export's own (not of a table or the document).
// The message is what the user reads.
class ExportError : public std::runtime_error {
public:
    explicit ExportError(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
    QString message() const { return QString::fromStdString(what()); }
};
