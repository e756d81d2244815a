#include "tests/support/CentreDocuments.h"

#include <QDir>
#include <QFileInfo>

QString centreFixture(const QString &name)
{
    return QStringLiteral(TESTS_SOURCE_DIR "/data/") + name;
}

QString gestibSamplesDir()
{
    const QString fromEnvironment = qEnvironmentVariable("GESTIB_SAMPLES_DIR");
    return QDir::cleanPath(fromEnvironment.isEmpty() ? QStringLiteral(GESTIB_SAMPLES_DIR) : fromEnvironment);
}

QString gestibSample(const QString &name)
{
    return QDir(gestibSamplesDir()).filePath(name);
}

bool gestibSamplesPresent()
{
    return QFileInfo(gestibSamplesDir()).isDir();
}
