#pragma once

#include <QStringList>

#include <memory>
#include <vector>

namespace dbf {
class FileHold;
}

// Holds the files a run will replace, from its first check to its last
// rename: each file of `localPaths` that exists is opened and locked
// exclusively, as the table layer locks (so a dBase engine's lock, under Wine
// or not, is refused meanwhile). The first one another program holds raises
// dbf::TableInUseError naming the table, and the run has touched nothing.
// Any other failure to open a file is left to whatever uses it later.
class TablesHold {
public:
    explicit TablesHold(const QStringList &localPaths);
    ~TablesHold();
    TablesHold(const TablesHold &) = delete;
    TablesHold &operator=(const TablesHold &) = delete;

    // Holds the files of the list that did not exist at the start and do
    // now: another program made them while the run went on.
    void holdNewcomers();

private:
    void holdEach();

    QStringList m_paths;
    std::vector<std::unique_ptr<dbf::FileHold>> m_held;
    QStringList m_heldPaths;
};

// The check alone: every file of `localPaths` that exists is free at this moment.
void requireTablesFree(const QStringList &localPaths);
