#include "app/ApplicationIcon.h"
#include "app/CommandLineHelp.h"
#include "app/NoMinimiseFilter.h"
#include "app/QtInteraction.h"
#include "app/SpanishTranslations.h"
#include "app/SystemViewer.h"
#include "app/TMForm.h"
#include "run/HandlerBoundary.h"
#include "run/InterfaceLanguage.h"
#include "run/WorkingFolderRecovery.h"
#include "platform/FileSizeSignal.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Before the application object, which connects to the display and
    // would abort without one.
    if (const QString answer = answerWithoutWindow(argc, argv); !answer.isEmpty()) {
        std::fputs(answer.toLocal8Bit().constData(), stdout);
        return 0;
    }

    ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QtInteraction::setApplicationTitle();
    QCoreApplication::setApplicationVersion(QStringLiteral(TRANSTARQUOIB_VERSION));
    setApplicationIcon();
    NoMinimiseFilter::install();
    SystemViewer::install();
    const InterfaceLanguage language = interfaceLanguage();
    installInterfaceLanguage(language);
    installQtTranslations(language);

    QStringList parameters = QCoreApplication::arguments();
    parameters.removeFirst();

    QtInteraction ui;
    // Before anything else, a replacement of the working tables that was cut
    // short is finished, so that no run starts on a mixed working folder.
    runHandler(ui, [&] {
        if (const QString finished = recoverWorkingFolder(winpath::WorkingFolder()); !finished.isEmpty())
            ui.showMessage(finished);
    });
    TMForm MForm(ui, parameters);
    ui.setMainWindow(&MForm);
    MForm.show();
    // A driven run that closed the window did so before the event loop ran,
    // where a request to quit would be lost.
    if (!MForm.isVisible())
        return MForm.exitStatus();
    const int status = app.exec();
    return status != 0 ? status : MForm.exitStatus();
}
