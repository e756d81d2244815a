#include "app/MainFormLogic.h"

#include "run/MainFormState.h"
#include "import/ImportInteraction.h"
#include "export/TimetableExport.h"
#include "import/CentreImport.h"
#include "platform/IniFile.h"

#include <QCoreApplication>

using centre_import::BExportarClick;
using timetable_export::BImportarClick;

namespace {
constexpr int drivenMode = 2;

bool isDriven(const QStringList &parameters)
{
    return parameters.size() == 2;
}

void writeTransformado(const QString &resultFile, int value)
{
    ini::writeInteger(resultFile, QStringLiteral("Transformadores"), QStringLiteral("Transformado"), value);
}
} // namespace

void FormCreate(MainFormState &form, const QStringList &parameters)
{
    form.ResultadoTransformacion = 0;
    if (isDriven(parameters))
        form.ModoAutomatico = drivenMode;
}

void FormShow(MainFormState &form, centre_import::ImportInteraction &ui, const QStringList &parameters, const QString &resultFile)
{
    if (!isDriven(parameters))
        return;
    writeTransformado(resultFile, 0);
    if (lowerAsciiLetters(parameters.at(0)) == u"importar")
        BImportarClick(form, ui);
    if (lowerAsciiLetters(parameters.at(0)) == u"exportar")
        BExportarClick(form, ui);
}

void FormClose(const MainFormState &form, const QString &resultFile)
{
    if (form.ModoAutomatico != drivenMode)
        return;
    writeTransformado(resultFile, form.ResultadoTransformacion);
}

QString velarixIniPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Velarix.ini");
}

QString lowerAsciiLetters(const QString &text)
{
    QString lowered = text;
    for (QChar &c : lowered)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return lowered;
}
