#include "app/ApplicationIcon.h"

#include <QGuiApplication>

namespace {
// The sizes rendered from packaging/transtarquoib.svg at build time.
constexpr int iconSizes[] = {16, 24, 32, 48, 64, 128, 256};
} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : iconSizes)
        icon.addFile(QStringLiteral(":/icons/%1/transtarquoib.png").arg(size), QSize(size, size));
    return icon;
}

void setApplicationIcon()
{
    QGuiApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("transtarquoib"));
}
