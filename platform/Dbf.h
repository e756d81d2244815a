#pragma once

#include "platform/FieldDef.h"
#include "platform/WinPath.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// dBase table access: the tables of the timetabling program's working folder.
// Tables are written as dBase IV files (version byte 0x03, code page 1252,
// language driver 0x57) and read whatever dBase level (III+, IV, 5, 7) and code
// page another engine wrote them with.
namespace dbf {

// The one index definition the system uses (MATIB's "ABREV" on ABREV):
// ascending, not unique, kept in the table's production .MDX file.
struct IndexDef {
    QString name;
    QString field;
};

// A table component: names its table by a folder and a table name and opens
// it exclusively or shared. The same type serves the main window's components
// (folder "\vtemp", name "ASIGNOMT", exclusive) and the steps' own objects
// (folder "C:\VTEMP", name "ASIGNOMT.DBF"). Which local folder those names
// lead to is the working folder the table is given: a run gives its own to
// every table it uses.
//
// Navigation and editing follow the data-set model the dialog's grid needs:
// Browse, Edit (current record changed in a buffer) and Insert (appended
// record in a buffer). A table opened shared writes each post to disk before
// post returns, since another program may read it at any time. One opened
// exclusively, which nobody else can read meanwhile, gathers posted records
// and writes them in large blocks: when a block is full, at close (also when
// an error unwinds past the table), and on flushAll. Records are read a block
// at a time too, so that an open table holds one block of them whatever its
// size.
class Table {
public:
    enum class State { Inactive, Browse, Edit, Insert };

    // A named component prefixes "Name: " to the message of a missing field.
    explicit Table(QString componentName = {});
    Table(QString componentName, QString windowsFolder, QString tableName, bool exclusive,
          winpath::WorkingFolder workingFolder = {});
    ~Table(); // closes the table (an unposted buffer is discarded)
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    void setFolder(const QString &windowsFolder);
    // Where the working folder's names lead for this table; takes effect at the next open.
    void setWorkingFolder(const winpath::WorkingFolder &workingFolder);
    void setTableName(const QString &tableName); // ".DBF" is added when there is no extension
    void setExclusive(bool exclusive);
    QString componentName() const;
    QString localPath() const; // the mapped path of the .DBF file

    // Definitions used by createTable.
    std::vector<FieldDef> &fieldDefs();
    std::vector<IndexDef> &indexDefs();

    // A new, empty table with exactly the defined fields, replacing any file
    // of that name; creates the working folder when missing and writes the
    // production index when one is defined. The table stays closed.
    void createTable();

    // Opening an open table changes nothing. An exclusive open fails while
    // another process holds the table; a held table stays held until close.
    void open();
    void close();
    // Writes what every open table of the process has gathered. Runs call it
    // before the user is asked anything, so that a program the user switches
    // to meanwhile finds complete files.
    static void flushAll();
    bool isOpen() const;
    State state() const;

    // Navigation over the live records, in record (append) order.
    void first();
    void last();
    void next();      // posts an edit or insert first, as post would
    void prior();
    int moveBy(int n); // returns how many records it actually moved (signed)
    void refresh();    // re-reads the file; keeps the position where possible
    bool eof() const;  // true on an empty table and after next from the last record
    bool bof() const;
    int recordCount() const; // live records
    int recNo() const;       // 1-based position among the live records, 0 when none

    // The records the header counts and the complete records the file holds,
    // deleted ones included in both: a file cut short holds fewer than its
    // header counts, and only those are read. A post writes both.
    struct StoredRecords {
        std::uint32_t counted = 0;
        std::uint32_t complete = 0;
    };
    StoredRecords storedRecords() const;

    void append(); // Insert state: a blank buffer, added at the end on post
    void edit();   // Edit state on the current record (on an empty table: append)
    void post();   // the buffer becomes the record (written as told above); back to Browse
    void cancel(); // discards the buffer; back to Browse

    // Reading: text without the blanks that pad it; numbers in shortest decimal
    // form ("2", "2.5"), empty when blank; logicals "True"/"False", empty when unset.
    // Whole numbers and numbers with fraction read 0 when blank.
    QString asString(const QString &field) const;
    // asString into `text`, reusing its storage: a pass over many records
    // reads its fields without making a new text each time.
    void readString(const QString &field, QString &text) const;
    long long asInteger(const QString &field) const;
    double asFloat(const QString &field) const;
    bool asBoolean(const QString &field) const;

    // Writing (Edit or Insert state): text is cut to the width without error,
    // characters outside code page 1252 become '?', empty text leaves the field blank.
    void setString(const QString &field, const QString &value);
    void setBoolean(const QString &field, bool value);
    void setFloat(const QString &field, double value);
    void setInteger(const QString &field, long long value);

    // The first live record in record order whose field equals the value
    // exactly (text as asString reads it, case-sensitive) becomes current.
    bool locate(const QString &field, const QString &value);

    std::vector<FieldDef> fields() const; // the open table's fields, as on disk

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace dbf
