#include "cli/LevelsFile.h"

#include "cli/PathProblem.h"
#include "run/Trimming.h"
#include "import/TableLayouts.h"
#include "platform/FieldDef.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringConverter>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A line of the file, or several when a quoted field holds line breaks.
struct Record {
    int line = 0; // where the record starts, counted from 1
    QStringList fields;
};

// The records of the text, fields split at ';'. A field in double quotes may
// hold ';', line breaks and doubled quotes, as spreadsheets write them.
std::vector<Record> splitRecords(const QString &text)
{
    std::vector<Record> records;
    Record record{1, {}};
    QString field;
    bool quoted = false;
    int line = 1;
    const auto endRecord = [&] {
        record.fields << field;
        records.push_back(record);
        record = Record{line, {}};
        field.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool lineBreak = c == u'\n' || c == u'\r';
        if (lineBreak) {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            ++line;
        }
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += lineBreak ? QChar(u'\n') : c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u';') {
            record.fields << field;
            field.clear();
        } else if (lineBreak) {
            endRecord();
        } else {
            field += c;
        }
    }
    endRecord();
    return records;
}

bool isBlank(const Record &record)
{
    for (const QString &field : record.fields)
        if (!trimControl(field).isEmpty())
            return false;
    return true;
}

// Where each of the three columns stands.
struct Columns {
    qsizetype codi = 0;
    qsizetype nivel = 1;
    qsizetype curso = 2;
    qsizetype needed() const { return std::max({codi, nivel, curso}) + 1; }
};

// A first line that names a column CODI is the header, not a course.
bool isHeader(const Record &record)
{
    for (const QString &field : record.fields)
        if (trimControl(field).compare(QLatin1String("CODI"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

Columns headerColumns(const Record &header, const QString &name)
{
    const auto column = [&](const char *title) {
        for (qsizetype i = 0; i < header.fields.size(); ++i)
            if (trimControl(header.fields.at(i)).compare(QLatin1String(title), Qt::CaseInsensitive) == 0)
                return i;
        throw LevelsFileError(
            QCoreApplication::translate("LevelsFile", "%1, línea %2: la cabecera no tiene la columna %3")
                .arg(name)
                .arg(header.line)
                .arg(QLatin1String(title)));
    };
    return {column("CODI"), column("NIVEL"), column("CURSO")};
}

// CURSOST's width of the field, in characters.
int widthOf(const QString &field)
{
    for (const dbf::FieldDef &def : centre_import::cursosFields())
        if (def.name == field)
            return def.width;
    return 0;
}

// A value the table would cut is refused: "BACHILLER" stored as "BACHI"
// would give the groups codes nobody asked for.
void requireWidth(const QString &where, const QString &field, const QString &value)
{
    const int width = widthOf(field);
    const qsizetype length = value.toUcs4().size();
    if (length > width)
        throw LevelsFileError(
            QCoreApplication::translate("LevelsFile", "%1: %2 «%3» tiene %4 caracteres; el campo admite %5")
                .arg(where, field, value)
                .arg(length)
                .arg(width));
}

// Spreadsheets save CSV with the separator of the system's language: a comma
// in English, where ours is ';'. The separator the line does use is named.
QString tooFewFields(const QString &where, const Record &record, qsizetype needed)
{
    const QString line = record.fields.join(u';');
    const auto separates = [&](QChar separator) { return line.split(separator).size() >= needed; };
    const QString expected =
        QCoreApplication::translate("LevelsFile", "%1: se esperaban tres campos separados por «;» (CODI;NIVEL;CURSO) y hay %2")
            .arg(where)
            .arg(record.fields.size());
    if (separates(u'\t'))
        return expected
            + QCoreApplication::translate("LevelsFile",
                                          "; la línea los separa con tabuladores: en la hoja de cálculo, guarde el "
                                          "archivo como CSV con «;» como separador");
    if (separates(u','))
        return expected
            + QCoreApplication::translate("LevelsFile",
                                          "; la línea los separa con comas: en la hoja de cálculo, guarde el archivo "
                                          "como CSV con «;» como separador");
    return expected;
}

// Spreadsheets save plain CSV in the system's code page; the line shows where.
int firstLineNotUtf8(const QByteArray &content)
{
    const QList<QByteArray> lines = content.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        [[maybe_unused]] const QString decoded = utf8.decode(lines.at(n)); // converts when taken as text
        if (utf8.hasError())
            return int(n + 1);
    }
    return int(lines.size());
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
    if (const int error = pathError(localPath, PathKind::File))
        throw LevelsFileError(QCoreApplication::translate("LevelsFile", "No se puede leer el archivo de niveles %1: %2")
                                  .arg(localPath, pathErrorText(error)));
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly))
        throw LevelsFileError(QCoreApplication::translate("LevelsFile", "No se puede leer el archivo de niveles %1: %2")
                                  .arg(localPath, file.errorString()));
    return parseLevels(file.readAll(), localPath);
}

QHash<QString, LevelAnswer> parseLevels(const QByteArray &content, const QString &name)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(content);
    if (utf8.hasError())
        throw LevelsFileError(
            QCoreApplication::translate("LevelsFile",
                                        "El archivo de niveles %1 no está en UTF-8 (línea %2); en la hoja de cálculo, "
                                        "guárdelo como «CSV UTF-8»")
                .arg(name)
                .arg(firstLineNotUtf8(content)));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QHash<QString, LevelAnswer> answers;
    Columns columns;
    bool first = true;
    for (const Record &record : splitRecords(text)) {
        if (isBlank(record))
            continue;
        if (std::exchange(first, false) && isHeader(record)) {
            columns = headerColumns(record, name);
            continue;
        }
        const QString where = QCoreApplication::translate("LevelsFile", "%1, línea %2").arg(name).arg(record.line);
        if (record.fields.size() < columns.needed())
            throw LevelsFileError(tooFewFields(where, record, columns.needed()));
        const QString codi = trimControl(record.fields.at(columns.codi));
        if (codi.isEmpty())
            throw LevelsFileError(
                QCoreApplication::translate("LevelsFile", "%1: falta el código del curso").arg(where));
        if (answers.contains(codi))
            throw LevelsFileError(QCoreApplication::translate("LevelsFile", "%1: el curso %2 ya aparece en la línea %3")
                                      .arg(where, codi)
                                      .arg(answers.value(codi).line));
        const LevelAnswer answer{trimControl(record.fields.at(columns.nivel)),
                                 trimControl(record.fields.at(columns.curso)), record.line};
        requireWidth(where, QStringLiteral("NIVEL"), answer.nivel);
        requireWidth(where, QStringLiteral("CURSO"), answer.curso);
        answers.insert(codi, answer);
    }
    return answers;
}

std::vector<LowerCaseLevel> lowerCaseLevels(const QHash<QString, LevelAnswer> &levels)
{
    std::vector<LowerCaseLevel> found;
    for (auto it = levels.cbegin(); it != levels.cend(); ++it)
        if (std::any_of(it->nivel.cbegin(), it->nivel.cend(), [](QChar c) { return c.isLower(); }))
            found.push_back({it.key(), it->nivel, it->line});
    std::sort(found.begin(), found.end(),
              [](const LowerCaseLevel &a, const LowerCaseLevel &b) { return a.line < b.line; });
    return found;
}
