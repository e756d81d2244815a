#include "import/Cursos/TableDataSource.h"

#include <algorithm>

namespace centre_import {

namespace {
// The navigator's page buttons move ten rows.
constexpr int pageSize = 10;
} // namespace

TableDataSource::TableDataSource(QStringList fields)
    : m_fields(std::move(fields))
{
}

void TableDataSource::attach(dbf::Table *table)
{
    m_table = table;
    reload();
}

bool TableDataSource::isActive() const
{
    return m_table && m_table->isOpen();
}

void TableDataSource::reload()
{
    leaveRow();
    m_rows.clear();
    m_touched = false;
    if (!isActive())
        return;
    // A walk that ran past the last row leaves that row current, as the grid shows it.
    const int at = m_table->eof() ? m_table->recordCount() : m_table->recNo();
    for (m_table->first(); !m_table->eof(); m_table->next())
        m_rows.push_back(readCurrentRecord());
    goTo(at - 1);
}

int TableDataSource::recordCount() const
{
    return static_cast<int>(m_rows.size());
}

int TableDataSource::rowCount() const
{
    const bool inserting = isActive() && m_table->state() == dbf::Table::State::Insert;
    return recordCount() + (inserting ? 1 : 0);
}

int TableDataSource::currentRow() const
{
    if (!isActive())
        return -1;
    if (m_table->state() == dbf::Table::State::Insert)
        return recordCount();
    if (m_rows.empty())
        return -1;
    return std::clamp(m_table->recNo() - 1, 0, recordCount() - 1);
}

QString TableDataSource::text(int row, const QString &field) const
{
    if (isEditing() && row == currentRow())
        return m_table->asString(field);
    const qsizetype column = m_fields.indexOf(field);
    if (row < 0 || row >= recordCount() || column < 0)
        return {};
    return m_rows[static_cast<size_t>(row)][column];
}

bool TableDataSource::isEditing() const
{
    if (!isActive())
        return false;
    const dbf::Table::State state = m_table->state();
    return state == dbf::Table::State::Edit || state == dbf::Table::State::Insert;
}

bool TableDataSource::isModified() const
{
    return isEditing() && m_touched;
}

void TableDataSource::edit()
{
    if (!isActive() || isEditing())
        return;
    m_table->edit();
    m_touched = false;
}

void TableDataSource::post()
{
    if (!isEditing())
        return;
    const bool inserting = m_table->state() == dbf::Table::State::Insert;
    const int row = currentRow();
    m_table->post();
    m_touched = false;
    if (inserting) {
        m_table->last();
        m_rows.push_back(readCurrentRecord());
    } else {
        m_rows[static_cast<size_t>(row)] = readCurrentRecord();
    }
}

void TableDataSource::cancel()
{
    if (!isEditing())
        return;
    m_table->cancel();
    m_touched = false;
}

void TableDataSource::setText(const QString &field, const QString &value)
{
    if (!isActive())
        return;
    edit();
    m_table->setString(field, value);
    m_touched = true;
}

void TableDataSource::moveTo(int row)
{
    if (row == currentRow() || row < 0 || row >= rowCount())
        return;
    leaveRow();
    goTo(row);
}

void TableDataSource::leaveRow()
{
    if (!isEditing())
        return;
    if (m_touched)
        post();
    else
        cancel();
}

void TableDataSource::dropUntouchedNewRow()
{
    if (isActive() && m_table->state() == dbf::Table::State::Insert && !m_touched)
        cancel();
}

void TableDataSource::act(NavigatorAction action)
{
    if (!canAct(action))
        return;
    const int row = currentRow();
    const auto leaveAndGoTo = [this](int target) {
        leaveRow();
        goTo(target);
    };
    switch (action) {
    case NavigatorAction::First: leaveAndGoTo(0); break;
    case NavigatorAction::PriorPage: leaveAndGoTo(row - pageSize); break;
    case NavigatorAction::Prior: leaveAndGoTo(row - 1); break;
    case NavigatorAction::Next: leaveAndGoTo(row + 1); break;
    case NavigatorAction::NextPage: leaveAndGoTo(row + pageSize); break;
    case NavigatorAction::Last: leaveAndGoTo(rowCount() - 1); break;
    case NavigatorAction::Edit: edit(); break;
    case NavigatorAction::Post: post(); break;
    case NavigatorAction::Cancel: cancel(); break;
    case NavigatorAction::Refresh:
        leaveRow();
        m_table->refresh();
        reload();
        break;
    }
}

bool TableDataSource::canAct(NavigatorAction action) const
{
    if (!isActive())
        return false;
    const int row = currentRow();
    switch (action) {
    case NavigatorAction::First:
    case NavigatorAction::PriorPage:
    case NavigatorAction::Prior: return row > 0;
    case NavigatorAction::Next:
    case NavigatorAction::NextPage:
    case NavigatorAction::Last: return row >= 0 && row < rowCount() - 1;
    case NavigatorAction::Edit: return !isEditing();
    case NavigatorAction::Post:
    case NavigatorAction::Cancel: return isEditing();
    case NavigatorAction::Refresh: return true;
    }
    return false;
}

QStringList TableDataSource::readCurrentRecord() const
{
    QStringList values;
    for (const QString &field : m_fields)
        values << m_table->asString(field);
    return values;
}

// Rows are counted from the first, in table order; a row past either end is the nearest row.
void TableDataSource::goTo(int row)
{
    m_table->first();
    const int target = std::clamp(row, 0, std::max(recordCount() - 1, 0));
    if (target > 0)
        m_table->moveBy(target);
}

} // namespace centre_import
