#pragma once

// The centre documents the tests read: our own small ones in tests/data, and
// the two real GestIB exports kept beside our checkout in
// ../shared/samples/gestib. A clone has no such folder, so the tests that read
// the real exports skip there, naming the folder they looked for; the same
// behaviours are shown on our own documents everywhere.

#include <QString>

#include <gtest/gtest.h>

// One of our own documents in tests/data.
QString centreFixture(const QString &name);

// The folder of the real exports: GESTIB_SAMPLES_DIR from the environment when
// set (so that a run can pretend the folder is absent), else the folder the
// build was configured with.
QString gestibSamplesDir();

// One real export in that folder.
QString gestibSample(const QString &name);

// What of the real exports is missing, as "folder <path>" or "file <path>";
// empty when both are there. A folder of that name that lacks the files, or
// holds them unreadable (a different ../shared, a half-copied one), counts as
// missing, not as a failure.
QString missingGestibSamples();

// Skips the current test when the real exports are absent. A macro, since only
// a skip in the test's own body ends the test.
#define SKIP_WITHOUT_GESTIB_SAMPLES()                                                                       \
    do {                                                                                                    \
        if (const QString missing = missingGestibSamples(); !missing.isEmpty())                             \
            GTEST_SKIP() << "the real GestIB exports are not here: no " << missing.toStdString();           \
    } while (false)
