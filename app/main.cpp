#include "app/QtInteraction.h"
#include "app/TMForm.h"
#include "platform/FileSizeSignal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QtInteraction::setApplicationTitle();

    QStringList parameters = QCoreApplication::arguments();
    parameters.removeFirst();

    QtInteraction ui;
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
