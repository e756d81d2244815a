#pragma once

#include "cli/Command.h"
#include "cli/UsageError.h"

#include <QString>
#include <QStringList>

// The command line of transtarquoib-cli: one command, its arguments, and
// options. The commands, what they take and their help come from commands().
struct ParsedCommandLine {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    const Command *command = nullptr; // the command to run
    CommandOptions options;
};

// `arguments` as QCoreApplication::arguments() gives them, program first.
// Commands are taken in any letter case, as the window takes its parameter.
// Paths may be Windows paths ("Z:\home\ana\centre.xml"); they come back local.
// A command line the program cannot run is a UsageError.
ParsedCommandLine parseCommandLine(const QStringList &arguments);

// The help: what the program is, each command's part, then what they share.
QString helpText();
QString versionText();
