#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

// "SolucioHorari.xml" as an independent reader sees it: python's XML parser,
// run under Debian's python3, gives the whole tree with attribute order.
namespace xmltree {

inline QJsonObject read(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(TESTS_SOURCE_DIR "/export/xml_tree.py"), path});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error("python could not read " + path.toStdString() + ": "
                                 + p.readAllStandardError().toStdString());
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

inline QJsonObject element(const QString &tag, const QJsonArray &attributes, const QJsonArray &children = {})
{
    return {{QStringLiteral("tag"), tag},
            {QStringLiteral("attributes"), attributes},
            {QStringLiteral("text"), QString()},
            {QStringLiteral("children"), children}};
}

// The nine attribute names of a SESSIO, in the order GestIB reads them.
inline const QStringList &sessioAttributes()
{
    static const QStringList names{QStringLiteral("placa"), QStringLiteral("curs"),   QStringLiteral("grup"),
                                   QStringLiteral("dia"),   QStringLiteral("hora"),   QStringLiteral("durada"),
                                   QStringLiteral("aula"),  QStringLiteral("materia"), QStringLiteral("activitat")};
    return names;
}

// The whole document: HORARI, SESSIONS, and one SESSIO per row of nine values.
inline QJsonObject horari(const std::vector<QStringList> &sessions)
{
    QJsonArray sessios;
    for (const QStringList &values : sessions) {
        QJsonArray attributes;
        for (qsizetype i = 0; i < sessioAttributes().size(); ++i)
            attributes.append(QJsonArray{sessioAttributes()[i], values.value(i)});
        sessios.append(element(QStringLiteral("SESSIO"), attributes));
    }
    return element(QStringLiteral("HORARI"), {}, {element(QStringLiteral("SESSIONS"), {}, sessios)});
}

inline QString show(const QJsonObject &tree)
{
    return QString::fromUtf8(QJsonDocument(tree).toJson(QJsonDocument::Indented));
}

} // namespace xmltree
