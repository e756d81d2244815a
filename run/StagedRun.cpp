#include "run/StagedRun.h"

#include "run/BackupManifest.h"
#include "run/Backups.h"
#include "run/WorkingFolder.h"
#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FolderCommit.h"
#include "platform/WholeFile.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QStringList pathsIn(const winpath::WorkingFolder &workingFolder, const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths << workingFolder.fileInFolder(working_folder::path, name);
    return paths;
}
} // namespace

// Hidden, so that neither Wine's file dialogs nor a listing of the folder show it.
const QString StagedRun::stagingPrefix = QStringLiteral(".TransTarquoIB-");

StagedRun::StagedRun(const winpath::WorkingFolder &workingFolder, const QStringList &names,
                     const QStringList &carried)
    : m_workingFolder(workingFolder)
    , m_folder(workingFolder.local())
    , m_names(names + QStringList{BackupManifest::fileName})
    , m_hold(pathsIn(workingFolder, m_names))
    , m_staging(m_folder, stagingPrefix)
{
    for (const QString &name : carried) {
        const QString from = workingFolder.fileInFolder(working_folder::path, name);
        if (!QFileInfo(from).isFile())
            continue;
        if (const std::optional<QString> problem = copyWholeFile(from, QDir(m_staging.path()).filePath(name)))
            throw dbf::DbfError(
                QCoreApplication::translate("StagedRun", "No se puede copiar %1 a la carpeta provisional %2: %3")
                    .arg(winpath::toWindows(from), winpath::toWindows(m_staging.path()), *problem));
    }
}

StagedRun::~StagedRun()
{
    // Whatever a table still gathers belongs to the staging folder, written
    // before the folder goes.
    dbf::Table::flushAll();
}

QString StagedRun::commit(const QByteArray &manifest, const QStringList &tables)
{
    const QString staged = QDir(m_staging.path()).filePath(BackupManifest::fileName);
    // Whatever a table still gathers belongs to the staging folder.
    dbf::Table::flushAll();
    if (const std::optional<QString> problem = writeWholeFile(staged, manifest))
        throw dbf::DbfError(QCoreApplication::translate("StagedRun", "No se puede escribir %1: %2")
                                .arg(winpath::toWindows(staged), *problem));
    m_hold.holdNewcomers();

    // A set from before manifests (or from another program) is described as
    // it stands, so that its backup has a manifest like every other.
    QByteArray description;
    if (!QFileInfo::exists(m_workingFolder.fileInFolder(working_folder::path, BackupManifest::fileName)))
        description = backups::describeUnknownSet(m_folder, tables).toText();
    const folder_commit::CommitResult result = folder_commit::commit(
        {m_folder, m_staging.path(), QDir(m_staging.path()).filePath(QStringLiteral("Copia")),
         backups::newFolder(m_workingFolder, QDateTime::currentDateTime()), m_names, BackupManifest::fileName, description});
    if (result.backup.isEmpty())
        return {};
    backups::keepNewest(m_workingFolder);
    return result.backup;
}
