#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary WINEPREFIX for one test: drive C: is <tmp>/drive_c, and the
// working folder C:\VTEMP is <tmp>/drive_c/VTEMP, there from the start as on
// a machine where the timetabling program is installed, unless the test asks
// for a prefix without it (it is still created on request). The previous
// WINEPREFIX comes back when the object goes.
class TempWinePrefix {
public:
    enum class WorkingFolder { Present, Absent };

    explicit TempWinePrefix(WorkingFolder workingFolder = WorkingFolder::Present);
    ~TempWinePrefix();

    QString prefix() const;      // the WINEPREFIX folder
    QString driveC() const;      // <prefix>/drive_c
    QString vtemp() const;       // <prefix>/drive_c/VTEMP, created when missing
    QString vtempFile(const QString &name) const; // <vtemp>/<name>

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};
