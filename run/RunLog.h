#pragma once

#include "platform/WinPath.h"

#include <QDateTime>
#include <QString>

class RunSummary;

// "TransTarquoIB.log" in the working folder. Every finished run appends its
// summary there with the date and time, warnings first, so that a run the
// timetabling program started, whose message may have gone unread, can be
// looked at afterwards.
// Each entry is written whole in one append; earlier entries are never touched.
// Returns an empty text, or what kept the entry from being written.
QString appendToRunLog(const winpath::WorkingFolder &workingFolder, const RunSummary &summary, const QDateTime &when);

// The log's local path.
QString runLogPath(const winpath::WorkingFolder &workingFolder);
