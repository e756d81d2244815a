#include "app/QtInteraction.h"
#include "app/SpanishTranslations.h"
#include "app/TMForm.h"
#include "run/HandlerBoundary.h"
#include "run/WorkingFolderRecovery.h"
#include "platform/FileSizeSignal.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QtInteraction::setApplicationTitle();
    QCoreApplication::setApplicationVersion(QStringLiteral(TRANSTARQUOIB_VERSION));
    installSpanishTranslations();

    QStringList parameters = QCoreApplication::arguments();
    parameters.removeFirst();

    // Only alone: with a second parameter it is a driven run's direction,
    // as any other first parameter would be.
    if (parameters == QStringList{QStringLiteral("--version")}) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }

    QtInteraction ui;
    // Before anything else, a replacement of the working tables that was cut
    // short is finished, so that no run starts on a mixed working folder.
    runHandler(ui, [&] {
        if (const QString finished = recoverWorkingFolder(); !finished.isEmpty())
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
