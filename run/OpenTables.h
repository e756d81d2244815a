#pragma once

#include <vector>

namespace dbf {
class Table;
}

// The one owner of the tables a run has open. It opens them in the order
// given and closes them in their closing order: close() on the normal path,
// whose error reaches the user like any other, and otherwise when the guard
// goes, also when an error ends the run. A table left open would hold its file
// against the timetabling program until the converter ends, and a later run in
// the same process would read and post into the table as it was, not as the
// steps have since re-created it.
class OpenTables {
public:
    // Opens the tables in this order; they close in the same order.
    explicit OpenTables(std::vector<dbf::Table *> openOrder);
    // Opens the tables in `openOrder`; they close in `closeOrder`, which names the same ones.
    OpenTables(const std::vector<dbf::Table *> &openOrder, std::vector<dbf::Table *> closeOrder);
    ~OpenTables();
    OpenTables(const OpenTables &) = delete;
    OpenTables &operator=(const OpenTables &) = delete;

    // Opens one more table, which closes after the others.
    void open(dbf::Table &table);

    // Closes every table in the closing order. A table that cannot be closed
    // cleanly raises its error; the ones after it are closed when the guard goes.
    void close();

private:
    void closeAll() noexcept;

    std::vector<dbf::Table *> m_closeOrder;
};
