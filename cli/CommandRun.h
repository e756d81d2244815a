#pragma once

#include "cli/Command.h"
#include "cli/CommandLineInteraction.h"
#include "cli/CommandReport.h"
#include "cli/ExitStatus.h"

#include <functional>

struct MainFormState;

// What the commands that start a run share: the run's answers from the
// command's options, and how the run's end becomes the command's report.

// The file, the two answers of the centre import and the levels file (read
// here, raising LevelsFileError when it cannot be used).
CommandLineInteraction::Answers runAnswers(const CommandOptions &options);

// The command ends with this error, shown on standard error.
void failCommand(CommandReport &report, ExitStatus status, const QString &message);

// Runs `work` and turns an error that ends it into the report's status; a
// command that reads the centre document reports a file that is none as such.
void catchingFailures(CommandReport &report, bool readsCentreDocument, const std::function<void()> &work);

// Runs a run and turns how it ended into the report. A run that returned
// without finishing (courses without level, "No existe archivo") is no success.
void runReporting(CommandReport &report, const MainFormState &form, const CommandLineInteraction &ui,
                  bool readsCentreDocument, const std::function<void()> &run);

// The centre import into `workingFolder`, with these answers.
CommandReport importCentre(CommandReport report, CommandLineInteraction::Answers answers,
                           const winpath::WorkingFolder &workingFolder);
