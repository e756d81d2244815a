#include "run/OpenTables.h"

#include "platform/Dbf.h"

OpenTables::OpenTables(std::vector<dbf::Table *> openOrder)
    : OpenTables(openOrder, openOrder)
{
}

OpenTables::OpenTables(const std::vector<dbf::Table *> &openOrder, std::vector<dbf::Table *> closeOrder)
    : m_closeOrder(std::move(closeOrder))
{
    try {
        for (dbf::Table *table : openOrder)
            table->open();
    } catch (...) {
        // The tables opened before the one that failed are released at once:
        // a guard whose construction fails is never destroyed.
        closeAll();
        throw;
    }
}

OpenTables::~OpenTables()
{
    closeAll();
}

void OpenTables::closeAll() noexcept
{
    for (dbf::Table *table : m_closeOrder) {
        try {
            table->close();
        } catch (...) {
            // Closing releases the table even when its last write fails, and
            // the error that ended the run is the one the user must see.
        }
    }
}

void OpenTables::open(dbf::Table &table)
{
    m_closeOrder.push_back(&table);
    table.open();
}

void OpenTables::close()
{
    for (dbf::Table *table : m_closeOrder)
        table->close();
}
