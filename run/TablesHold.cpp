#include "run/TablesHold.h"

#include "platform/DbfError.h"
#include "platform/FileHold.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
// A table by its name alone ("GRUPOST"); another file, such as an index, by
// its file name ("MATIB.MDX").
QString tableName(const QString &path)
{
    const QFileInfo file(path);
    return (file.suffix().compare(QLatin1String("DBF"), Qt::CaseInsensitive) == 0 ? file.completeBaseName()
                                                                                 : file.fileName())
        .toUpper();
}
} // namespace

TablesHold::TablesHold(const QStringList &localPaths)
    : m_paths(localPaths)
{
    holdEach();
}

TablesHold::~TablesHold() = default;

void TablesHold::holdNewcomers() { holdEach(); }

void TablesHold::holdEach()
{
    for (const QString &path : m_paths) {
        if (m_heldPaths.contains(path))
            continue;
        auto file = std::make_unique<dbf::FileHold>();
        switch (file->hold(path)) {
        case dbf::FileHold::Result::Held:
            m_held.push_back(std::move(file));
            m_heldPaths << path;
            break;
        case dbf::FileHold::Result::HeldByAnother:
            throw dbf::TableInUseError(
                QCoreApplication::translate(
                    "RequireTablesFree",
                    "La tabla %1 está en uso por otro programa (%2). Cierre ese programa y vuelva a "
                    "intentarlo; no se ha modificado nada.")
                    .arg(tableName(path), winpath::toWindows(path)));
        case dbf::FileHold::Result::Missing:
        case dbf::FileHold::Result::Failed:
            break; // left to whatever uses the file later
        }
    }
}

void requireTablesFree(const QStringList &localPaths) { TablesHold check(localPaths); }
