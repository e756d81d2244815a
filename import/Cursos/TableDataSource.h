#pragma once

#include "platform/Dbf.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace centre_import {

// What the grid and the record navigator see of a table: its rows, the current
// row and that row's edit buffer, and the navigator's actions. Widgets and
// headless tests edit through it alike.
//
// Rows other than the current one are shown as last read, so that showing
// them never moves the table's cursor. The current row is read from the
// table, where an edit lives in the record buffer until it is posted.
// Leaving a row posts it when the user changed it and drops a new row the
// user left untouched, so that no blank row is stored by merely passing by.
class TableDataSource {
public:
    enum class NavigatorAction { First, PriorPage, Prior, Next, NextPage, Last, Edit, Post, Cancel, Refresh };

    explicit TableDataSource(QStringList fields);

    // The table shown, or none once its component has been released.
    void attach(dbf::Table *table);
    bool isActive() const; // attached to an open table

    // Re-reads every row, after the table was changed other than through here.
    void reload();

    int recordCount() const; // rows stored in the table
    int rowCount() const;    // the stored rows, and a new row while one is being inserted
    int currentRow() const;  // -1 without rows
    QString text(int row, const QString &field) const;
    bool isEditing() const; // Edit or Insert
    bool isModified() const; // the row being edited holds something the user typed

    // Puts the current row into edit state unless it is being edited already
    // (on a table without rows the table begins a new row instead).
    void edit();
    void post();   // posts the row being edited or inserted
    void cancel(); // drops the changes of the row being edited or inserted

    // Into the current row's edit buffer, putting the row into edit state first.
    void setText(const QString &field, const QString &value);

    // Leaves the current row as moving away from it does, then makes `row` current.
    void moveTo(int row);
    // Posts the row being edited when the user changed it; drops an untouched
    // new row, and leaves an untouched edit without writing it.
    void leaveRow();
    // A new row that the user has not typed into is dropped.
    void dropUntouchedNewRow();

    void act(NavigatorAction action);
    bool canAct(NavigatorAction action) const;

private:
    QStringList readCurrentRecord() const;
    void goTo(int row);

    QStringList m_fields;
    dbf::Table *m_table = nullptr;
    std::vector<QStringList> m_rows; // as last read, in table order
    bool m_touched = false;          // the user typed into the row being edited
};

} // namespace centre_import
