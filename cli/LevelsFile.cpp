#include "cli/LevelsFile.h"

#include "run/Trimming.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringConverter>
#include <QStringList>

namespace {

// The fields of one line split at ';'. A field in double quotes may hold ';'
// and doubled quotes, as spreadsheets write them.
QStringList splitFields(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u';') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    // Spreadsheets pad a row with empty cells up to the widest row.
    while (fields.size() > 3 && trimControl(fields.back()).isEmpty())
        fields.removeLast();
    return fields;
}

bool isHeader(const QStringList &fields)
{
    return trimControl(fields.at(0)).compare(QLatin1String("CODI"), Qt::CaseInsensitive) == 0;
}

} // namespace

LevelsFileError::LevelsFileError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

QString LevelsFileError::message() const
{
    return QString::fromStdString(what());
}

QHash<QString, LevelAnswer> readLevelsFile(const QString &localPath)
{
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly))
        throw LevelsFileError(QStringLiteral("No se puede leer el archivo de niveles %1: %2")
                                  .arg(localPath, file.errorString()));
    return parseLevels(file.readAll(), localPath);
}

QHash<QString, LevelAnswer> parseLevels(const QByteArray &content, const QString &name)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(content);
    if (utf8.hasError())
        throw LevelsFileError(QStringLiteral("El archivo de niveles %1 no está en UTF-8").arg(name));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QHash<QString, LevelAnswer> answers;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (trimControl(lines.at(n)).isEmpty())
            continue;
        const QStringList fields = splitFields(lines.at(n));
        if (n == 0 && isHeader(fields))
            continue;
        const QString where = QStringLiteral("%1, línea %2").arg(name).arg(n + 1);
        if (fields.size() != 3)
            throw LevelsFileError(
                QStringLiteral("%1: se esperaban tres campos CODI;NIVEL;CURSO y hay %2").arg(where).arg(fields.size()));
        const QString codi = trimControl(fields.at(0));
        if (codi.isEmpty())
            throw LevelsFileError(QStringLiteral("%1: falta el código del curso").arg(where));
        if (answers.contains(codi))
            throw LevelsFileError(QStringLiteral("%1: el curso %2 ya aparece en una línea anterior").arg(where, codi));
        answers.insert(codi, {trimControl(fields.at(1)), trimControl(fields.at(2))});
    }
    return answers;
}
