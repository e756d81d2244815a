#include "run/HandlerBoundary.h"

#include "run/UserInteraction.h"

#include <QCoreApplication>
#include <QString>

#include <exception>

bool runHandler(UserInteraction &ui, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception &e) {
        // Every error of ours carries the user's message as UTF-8.
        ui.showError(standardErrorText(QString::fromUtf8(e.what())));
    } catch (...) {
        ui.showError(standardErrorText(QCoreApplication::translate("HandlerBoundary", "Error desconocido")));
    }
    return false;
}
