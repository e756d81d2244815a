#pragma once

#include <QString>

#include <optional>

// Whether a Windows program under Wine could take a file as a dBase engine
// takes a table: tests/wine/lockprobe.c opens it with share mode 0 and tries
// LockFile over the whole record range and on one byte far past the end; true
// when the open and a lock succeeded. The probe runs under wine64 in a Wine
// prefix of its own, never the test's WINEPREFIX (a temporary folder that is no
// prefix at all), and reaches the file through drive Z:, the Linux root.
//
// scripts/wine-check provides the probe: TRANSTARQUOIB_LOCK_PROBE names the
// cross-compiled lockprobe.exe, TRANSTARQUOIB_PROBE_WINEPREFIX a prefix already
// set up, TRANSTARQUOIB_WINE the wine64 to run (else the one on the PATH or in
// /usr/lib/wine). Without them the answer is nullopt. A probe that ran but did
// not answer (an error, a crash, no end within a minute) throws
// std::runtime_error with what it printed, which fails the calling test.
std::optional<bool> windowsProgramCanLock(const QString &localPath);

// What windowsProgramCanLock lacks to answer, for a test's skip message;
// empty when the probe is available.
QString wineLockProbeMissing();
