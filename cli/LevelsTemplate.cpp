#include "cli/LevelsTemplate.h"

#include "import/CentreDocument.h"
#include "import/LevelProposal.h"

#include <QHash>

namespace {

// A field as a spreadsheet writes it in a ';'-separated file.
QString csvField(const QString &value)
{
    if (!value.contains(u';') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

void fillFrom(TemplateRow &row, const QString &nivel, const QString &curso)
{
    if (row.nivel.isEmpty())
        row.nivel = nivel;
    if (row.curso.isEmpty())
        row.curso = curso;
}

} // namespace

int LevelsTemplate::incomplete() const
{
    int count = 0;
    for (const TemplateRow &row : rows)
        count += row.nivel.isEmpty() || row.curso.isEmpty() ? 1 : 0;
    return count;
}

LevelsTemplate levelsTemplate(const centre_import::CentreDocument &document, const QString &path,
                              const QHash<QString, LevelAnswer> &kept, bool suggest,
                              const centre_import::SchoolLevels &school)
{
    centre_import::requireCentreDocument(document, path);
    LevelsTemplate levels;
    QHash<QString, std::size_t> rowOfCode;
    for (const centre_import::Curs &course : document.cursos) {
        const QString &codi = course.codi;
        const QString &descripcio = course.descripcio;
        if (codi.isEmpty()) {
            levels.withoutCode << descripcio;
            continue;
        }
        if (!rowOfCode.contains(codi)) {
            rowOfCode.insert(codi, levels.rows.size());
            TemplateRow row{codi, {}, {}, descripcio, {}};
            const LevelAnswer answer = kept.value(codi);
            fillFrom(row, answer.nivel, answer.curso);
            if (suggest) {
                const centre_import::LevelProposal proposal = school.propose(descripcio);
                fillFrom(row, proposal.nivel, proposal.curso);
            }
            levels.rows.push_back(row);
        }
        TemplateRow &row = levels.rows.at(rowOfCode.value(codi));
        for (const centre_import::Grup &group : course.grups)
            row.grupos << group.nom;
    }
    return levels;
}

QByteArray levelsTemplateText(const LevelsTemplate &levels)
{
    QString text = QStringLiteral("CODI;NIVEL;CURSO;DESCRIPCIO;GRUPOS\r\n");
    for (const TemplateRow &row : levels.rows) {
        // Group names separated as a person lists them; the column is only read by people.
        const QStringList fields = {row.codi, row.nivel, row.curso, row.descripcio,
                                    row.grupos.join(QStringLiteral(", "))};
        QStringList line;
        for (const QString &field : fields)
            line << csvField(field);
        text += line.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
