#include "cli/PlantillaCommand.h"

#include "cli/CommandRun.h"
#include "cli/KeptAnswers.h"
#include "cli/LevelsTemplate.h"
#include "cli/PathProblem.h"
#include "platform/WholeFile.h"
#include "import/CentreDocument.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace {

[[noreturn]] void cannotWriteTemplate(const QString &where, const QString &reason)
{
    throw std::runtime_error(
        QCoreApplication::translate("PlantillaCommand", "No se puede escribir la plantilla %1: %2")
            .arg(where, reason)
            .toStdString());
}

// The template to the file named by -o, whole or not at all, or to standard output.
void writeTemplate(const QByteArray &bytes, const QString &path)
{
    if (path.isEmpty()) {
        const auto size = std::size_t(bytes.size());
        if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
            cannotWriteTemplate(QCoreApplication::translate("PlantillaCommand", "en la salida estándar"),
                                pathErrorText(errno));
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (const int error = pathError(folder, PathKind::Folder))
        cannotWriteTemplate(path, QCoreApplication::translate("PlantillaCommand", "la carpeta %1: %2")
                                      .arg(folder, pathErrorText(error)));
    if (const std::optional<QString> problem = writeWholeFile(path, bytes))
        cannotWriteTemplate(path, *problem);
}

} // namespace

QString PlantillaCommand::name() const
{
    return QStringLiteral("plantilla");
}

QString PlantillaCommand::help() const
{
    return QCoreApplication::translate("PlantillaCommand",
        "  plantilla CENTRE.xml  Escribe el archivo de niveles para --niveles:\n"
        "                        CODI;NIVEL;CURSO;DESCRIPCIO;GRUPOS, un curso del\n"
        "                        documento por línea, con los niveles y cursos de una\n"
        "                        importación anterior (CURSOST2) ya puestos. UTF-8 con\n"
        "                        BOM, para abrirlo y completarlo en una hoja de cálculo.\n"
        "      -o, --salida ARCHIVO\n"
        "                          El archivo que se escribe; sin él, la salida estándar.\n"
        "      --sugerir           Propone, donde falten, el nivel y el curso leídos de\n"
        "                          la descripción (\"1r ESO\": ESO y 1), con los niveles\n"
        "                          que el centro ya usó (CURSOST2); revíselos.\n");
}

QList<CommandOption> PlantillaCommand::options() const
{
    return {CommandOption::Salida, CommandOption::Sugerir};
}

void PlantillaCommand::readArguments(const QStringList &arguments, CommandOptions &options) const
{
    options.target = centreDocument(arguments);
}

CommandReport PlantillaCommand::run(const CommandOptions &options) const
{
    CommandReport report = newReport();
    if (pathError(options.target, PathKind::File) != 0) {
        failCommand(report, ExitStatus::Failed, unusableFileText(options.target));
        return report;
    }
    // A slip of the keyboard must not cost the user the GestIB export itself.
    if (!options.salida.isEmpty()
        && QFileInfo(options.salida).canonicalFilePath() == QFileInfo(options.target).canonicalFilePath()) {
        failCommand(report, ExitStatus::BadUsage,
                    QCoreApplication::translate(
                        "PlantillaCommand", "-o %1 es el propio documento del centro; la plantilla necesita otro archivo")
                        .arg(options.salida));
        return report;
    }
    catchingFailures(report, true, [&] {
        const centre_import::CentreDocument document = centre_import::readCentreDocument(options.target);
        QList<centre_import::KeptLevel> keptLevels;
        const QHash<QString, LevelAnswer> kept = readKeptAnswers(options.workingFolder(), &keptLevels);
        const LevelsTemplate levels = levelsTemplate(document, options.target, kept, options.suggest,
                                                     centre_import::SchoolLevels(keptLevels));
        writeTemplate(levelsTemplateText(levels), options.salida);
        for (const QString &descripcio : levels.withoutCode)
            printError(QCoreApplication::translate(
                           "PlantillaCommand",
                           "Aviso: el curso «%1» no tiene código en el documento; la plantilla no lo lleva.")
                           .arg(descripcio));
        const auto courses = levels.rows.size();
        printError(courses == 1 ? QCoreApplication::translate("PlantillaCommand",
                                                              "Plantilla de niveles: 1 curso, %1 sin nivel o sin curso.")
                                      .arg(levels.incomplete())
                                : QCoreApplication::translate(
                                      "PlantillaCommand", "Plantilla de niveles: %1 cursos, %2 sin nivel o sin curso.")
                                      .arg(courses)
                                      .arg(levels.incomplete()));
        // What --sugerir left blank is what the user still has to type.
        if (options.suggest) {
            const int notProposed = levels.incomplete();
            printError(notProposed == 0
                           ? QCoreApplication::translate("PlantillaCommand",
                                                         "--sugerir ha propuesto todo lo que faltaba; revíselo.")
                       : notProposed == 1
                           ? QCoreApplication::translate(
                                 "PlantillaCommand", "--sugerir no ha podido proponer 1 curso; complete su nivel o su curso.")
                           : QCoreApplication::translate(
                                 "PlantillaCommand",
                                 "--sugerir no ha podido proponer %1 cursos; complete su nivel o su curso.")
                                 .arg(notProposed));
        }
    });
    return report;
}
