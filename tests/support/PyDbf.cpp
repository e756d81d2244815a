#include "tests/support/PyDbf.h"

#include <QJsonDocument>
#include <QProcess>

#include <stdexcept>

QJsonObject readWithPythonDbf(const QString &dbfPath)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(TESTS_SOURCE_DIR "/support/dbf_dump.py"), dbfPath});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error("python3-dbf could not read " + dbfPath.toStdString() + ": "
                                 + p.readAllStandardError().toStdString());
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput(), &err);
    if (err.error != QJsonParseError::NoError)
        throw std::runtime_error("bad output from dbf_dump.py: " + err.errorString().toStdString());
    return doc.object();
}

QList<QStringList> pythonDbfRows(const QJsonObject &dump)
{
    QList<QStringList> rows;
    for (const QJsonValue &rec : dump.value(QStringLiteral("records")).toArray()) {
        QStringList row;
        for (const QJsonValue &v : rec.toArray()) {
            if (v.isNull())
                row << QString();
            else if (v.isBool())
                row << (v.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
            else if (v.isDouble())
                row << QString::number(v.toDouble(), 'g', 17);
            else
                row << v.toString();
        }
        rows << row;
    }
    return rows;
}
