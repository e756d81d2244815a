#include "run/HandlerBoundary.h"

#include "run/UserInteraction.h"

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
        ui.showError(standardErrorText(QStringLiteral("Error desconocido")));
    }
    return false;
}
