#pragma once

#include "export/TimetableExport.h"
#include "run/MainFormState.h"
#include "tests/export/ExportFolder.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/ScriptedInteraction.h"

#include <QRegularExpression>
#include <QStringList>

#include <functional>

// The small school with the given SOLUC rows and a case's own changes,
// written to the working folder, and the export run on it by a user who
// picks the folder's file. Returns the plain messages shown.
inline QStringList exportSmallSchool(const ExportFolder &folder, const solucfixture::Rows &soluc,
                                     const std::function<void(solucfixture::School &)> &adjust)
{
    solucfixture::School school = solucfixture::smallSchool();
    school.soluc = soluc;
    adjust(school);
    solucfixture::writeSchool(school);

    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices.push_back(folder.chosenFile());
    timetable_export::BImportarClick(form, ui);
    return ui.messages();
}

// The messages of a finished run: "Proceso finalizado" alone, with the count
// of warnings when look-ups found nothing.
inline bool finishedOnce(const QStringList &messages)
{
    static const QRegularExpression finished(QStringLiteral("^Proceso finalizado( con 1 aviso| con \\d+ avisos)?$"));
    return messages.size() == 1 && finished.match(messages.constFirst()).hasMatch();
}
