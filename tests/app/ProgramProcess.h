#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <stdexcept>

// TransTarquoIB run as a child process with the given environment changes:
// a value sets a variable, an empty one removes it.
namespace program {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

inline QProcessEnvironment environmentWith(const QList<std::pair<QString, QString>> &changes)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto &[name, value] : changes) {
        if (value.isEmpty())
            environment.remove(name);
        else
            environment.insert(name, value);
    }
    return environment;
}

// Without a display of any kind, as on a server or in a terminal without X.
inline QProcessEnvironment withoutDisplay()
{
    return environmentWith({{QStringLiteral("DISPLAY"), {}},
                            {QStringLiteral("WAYLAND_DISPLAY"), {}},
                            {QStringLiteral("QT_QPA_PLATFORM"), {}}});
}

inline Result run(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TRANSTARQUOIB), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        throw std::runtime_error("TransTarquoIB did not end within a minute");
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {-1, QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace program
