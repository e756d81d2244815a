#include "tests/support/TempWinePrefix.h"

#include <QDir>

TempWinePrefix::TempWinePrefix(WorkingFolder workingFolder)
{
    m_hadPrevious = qEnvironmentVariableIsSet("WINEPREFIX");
    m_previous = qgetenv("WINEPREFIX");
    QDir().mkpath(workingFolder == WorkingFolder::Present ? driveC() + QStringLiteral("/VTEMP") : driveC());
    qputenv("WINEPREFIX", m_dir.path().toLocal8Bit());
}

TempWinePrefix::~TempWinePrefix()
{
    if (m_hadPrevious)
        qputenv("WINEPREFIX", m_previous);
    else
        qunsetenv("WINEPREFIX");
}

QString TempWinePrefix::prefix() const { return m_dir.path(); }
QString TempWinePrefix::driveC() const { return m_dir.path() + QStringLiteral("/drive_c"); }

QString TempWinePrefix::vtemp() const
{
    const QString path = driveC() + QStringLiteral("/VTEMP");
    QDir().mkpath(path);
    return path;
}

QString TempWinePrefix::vtempFile(const QString &name) const { return vtemp() + QLatin1Char('/') + name; }
