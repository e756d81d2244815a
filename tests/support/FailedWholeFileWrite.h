#pragma once

#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

// What every writer of a whole file must do when the write fails: the folder
// is missing, the target is a folder, or the disk fills midway over an older
// file. `write` must raise the layer's error (which `checkError` examines),
// leave no temporary file beside the target, and leave the older file whole.
template <class LayerError>
void expectFailedWritesKeepTheOldFile(const QString &fileName, const QByteArray &old,
                                      const std::function<void(const QString &path)> &write,
                                      const std::function<void(const LayerError &, const QString &path)> &checkError)
{
    const struct {
        const char *name;
        QString target;
        std::function<void(const QString &path)> prepare;
        bool limitSize;
    } cases[] = {
        {"folder missing", QStringLiteral("missing/") + fileName, [](const QString &) {}, false},
        {"target is a folder", fileName, [](const QString &path) { QDir().mkpath(path); }, false},
        {"write fails midway", fileName, [&](const QString &path) { writeFileBytes(path, old); }, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(c.target);
        c.prepare(path);
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        try {
            std::optional<FileSizeLimit> limit;
            if (c.limitSize)
                limit.emplace(64);
            write(path);
            ADD_FAILURE() << "no error";
        } catch (const LayerError &e) {
            checkError(e, path);
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before) << "no temporary file left";
        if (c.limitSize) {
            EXPECT_EQ(readFileBytes(path), old);
        }
    }
}
