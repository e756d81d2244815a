#pragma once

#include <QString>

#include <stdexcept>

// A command line that names no command, an unknown one, an unknown or
// misplaced option, an option without its value or a wrong number of
// arguments. The message says which, in the user's language, naming the
// option as typed.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString &message);
    QString message() const;
};
