#pragma once

#include "tests/support/TempWinePrefix.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

// transtarquoib-cli run as a child process, the way a script runs it: with
// the test's WINEPREFIX, and without a display of any kind.
namespace cli {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

// `childSetup` runs in the child before the program starts (limits, signals);
// `variables` ("LANG=ca_ES.UTF-8") are set in the child's environment.
inline Result run(const QStringList &arguments, const QString &workingDirectory = QDir::currentPath(),
                  const std::function<void()> &childSetup = {}, const QStringList &variables = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(display));
    for (const QString &variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    if (childSetup)
        process.setChildProcessModifier(childSetup);
    process.start(QStringLiteral(TRANSTARQUOIB_CLI), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        throw std::runtime_error("transtarquoib-cli did not end normally: " + process.errorString().toStdString());
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline QString data(const QString &name)
{
    return QStringLiteral(TESTS_SOURCE_DIR "/data/cli/") + name;
}

// Writes a small file of the test's own, such as a levels file.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}

// Every file below the folder by its relative path, with its bytes.
inline QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + path.toStdString());
        files.insert(QDir(folder).relativeFilePath(path), file.readAll());
    }
    return files;
}

// The bytes of a table or index file without the dates of the day it was
// written: a dBase header's last-update date, and an MDX's dates of creation
// (file header) and of its tag; and the run log without the time of each entry.
inline QByteArray withoutDates(const QString &name, QByteArray bytes)
{
    // The run log and the tables' manifest say when they were written.
    if (name.endsWith(QLatin1String(".log"), Qt::CaseInsensitive) || name.endsWith(QLatin1String(".txt")))
        return QString::fromUtf8(bytes)
            .replace(QRegularExpression(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d[:.]\\d\\d[:.]\\d\\d")),
                     QStringLiteral("(time)"))
            .toUtf8();
    QList<qsizetype> dates;
    if (name.endsWith(QLatin1String(".DBF"), Qt::CaseInsensitive))
        dates = {1};
    else if (name.endsWith(QLatin1String(".MDX"), Qt::CaseInsensitive))
        dates = {1, 44, 4 * 512 + 257};
    for (qsizetype offset : dates)
        for (qsizetype i = offset; i < offset + 3 && i < bytes.size(); ++i)
            bytes[i] = 0;
    return bytes;
}

} // namespace cli
