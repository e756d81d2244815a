#include "tests/support/CentreDocuments.h"

#include <QDir>
#include <QFileInfo>

QString centreFixture(const QString &name)
{
    return QStringLiteral(TESTS_SOURCE_DIR "/data/") + name;
}

// Nothing here reads the real exports: it only names where they would be.
// Every test that opens one first calls SKIP_WITHOUT_GESTIB_SAMPLES()
// (CentreDocuments.h), which ends it with GTEST_SKIP() naming the folder
// when a clone has no ../shared beside it.
QString gestibSamplesDir()
{
    const QString fromEnvironment = qEnvironmentVariable("GESTIB_SAMPLES_DIR");
    return QDir::cleanPath(fromEnvironment.isEmpty() ? QStringLiteral(GESTIB_SAMPLES_DIR) : fromEnvironment);
}

QString gestibSample(const QString &name)
{
    return QDir(gestibSamplesDir()).filePath(name);
}

QString missingGestibSamples()
{
    const QString folder = gestibSamplesDir();
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("folder ") + folder;
    for (const char *name : {"centre-2018.xml", "centre-2019-variant.xml"}) {
        const QString path = gestibSample(QString::fromLatin1(name));
        if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable())
            return QStringLiteral("file ") + path;
    }
    return {};
}
