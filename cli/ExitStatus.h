#pragma once

// The exit statuses of transtarquoib-cli, as --help lists them.
enum class ExitStatus : int {
    Done = 0,            // the run finished (comprobar: an import would finish without warnings)
    Failed = 1,          // an error, or a run that did not finish
    BadUsage = 2,        // unknown command or option, missing argument, unreadable levels file
    LevelsMissing = 3,   // a course without level or course number
    RefusedDocument = 4, // the file is not a GestIB centre document
    TableHeld = 5,       // a table is held by another program
    Warnings = 6,        // comprobar: an import would finish, with warnings to read first
};
