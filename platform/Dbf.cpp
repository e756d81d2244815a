#include "platform/Dbf.h"

#include "platform/DbfCodePage.h"
#include "platform/DbfError.h"
#include "platform/DbfFile.h"
#include "platform/DbfLayout.h"
#include "platform/DbfValue.h"
#include "platform/MdxIndex.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <utility>

namespace dbf {

namespace {

constexpr char kLive = ' ';
constexpr char kFileEnd = 0x1A;
constexpr qint64 kProductionIndexFlag = 28; // header byte: 1 when the .MDX must be opened with the table

// Records appended to a table gather up to this many bytes before they are
// written in one block: one system call per record would cost more than the
// rest of the engine together.
constexpr qsizetype kWriteBlock = 256 * 1024;
// Records are read in blocks of about this many bytes: a pass over a table
// holds one block of it, not the table, and a table of any size opens in the
// same memory.
constexpr qsizetype kReadBlock = 256 * 1024;

// The production index beside a table: an existing one whatever its letter
// case, else the table's base name with ".MDX".
QString productionIndexPath(const QString &tablePath)
{
    const QFileInfo table(tablePath);
    const QString wanted = table.completeBaseName() + QStringLiteral(".MDX");
    for (const QString &entry : table.dir().entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return table.dir().filePath(entry);
    }
    return table.dir().filePath(wanted);
}

} // namespace

struct Table::Impl {
    QString componentName;
    QString folder;
    winpath::WorkingFolder workingFolder;
    QString tableName;
    bool exclusive = true;
    bool openShared = false;
    std::vector<FieldDef> fieldDefs;
    std::vector<IndexDef> indexDefs;

    // The open table: one block of its records as last read, and what was
    // posted since. A table opened shared writes every post through, as
    // another program may read it at any time; an exclusive one gathers
    // appended records into blocks and edited records in place, and writes
    // them when a block is full, before another block is read, at close, and
    // when the user is about to be asked something (flushAll).
    QString path;
    QString shownPath; // the table as messages name it, the way the timetabling program does
    QString shownFor;  // the local path shownPath names
    DbfFile file;
    TableLayout layout;                // layout.recordCount counts the gathered records too
    std::optional<DbfCodePage> codePage;
    std::uint32_t writtenRecords = 0;  // records the file holds and its header counts
    QByteArray appended;               // records writtenRecords.. of layout.recordCount, not yet written
    QByteArray block;                  // records blockFirst.. of the file, blockCount of them, edits included
    std::uint32_t blockFirst = 0, blockCount = 0;
    std::uint32_t editedFrom = 0, editedTo = 0; // records changed in `block` and not yet written
    std::vector<std::uint32_t> live;   // 0-based numbers of the live records, in record order
    QHash<QString, int> fieldIndex;  // upper-case name -> index into layout.fields
    State state = State::Inactive;
    int current = 0; // index into live
    bool atEof = true;
    bool atBof = true;
    QByteArray buffer; // the record being edited or inserted, followed by the end-of-file marker
    bool changed = false;
    bool indexAnnounced = false; // header byte 28 as it stands on disk
    QByteArray headerBytes; // date of last update and count; the date is read once, as the clock costs a file lookup

    // Callers name fields by string literals, whose characters stay at one
    // address: remembering where a name was found spares hashing it again.
    // Each name may sit in any of a few slots after its home slot, so that
    // the handful of names of a hot loop do not evict each other.
    struct CachedLookup {
        const QChar *name = nullptr;
        qsizetype size = 0;
        int field = 0;
    };
    static constexpr std::size_t kCacheSlots = 64;
    static constexpr std::size_t kCacheWays = 4;
    mutable std::array<CachedLookup, kCacheSlots> lookupCache{};

    QString tablePath() const { return workingFolder.fileInFolder(folder, tableName); }

    // Names the table at localPath as messages do, worked out once for each
    // path: the Windows name of a file takes several file-system look-ups,
    // and a component opens its table again and again.
    const QString &nameShownFor(const QString &localPath)
    {
        if (localPath != shownFor || shownPath.isEmpty()) {
            shownPath = winpath::toWindows(localPath);
            shownFor = localPath;
        }
        return shownPath;
    }

    void requireOpen() const
    {
        if (state == State::Inactive)
            throw DbfError(
                QCoreApplication::translate("Dbf", "La tabla %1 no está abierta").arg(winpath::toWindows(tablePath())));
    }

    int fieldAt(const QString &name) const
    {
        requireOpen();
        const std::size_t home = std::size_t((quint64(quintptr(name.constData())) * 0x9E3779B97F4A7C15ull) >> 58);
        for (std::size_t way = 0; way < kCacheWays; ++way) {
            const CachedLookup &cached = lookupCache[(home + way) % kCacheSlots];
            if (cached.name == name.constData() && cached.size == name.size()
                && QStringView(layout.fields[std::size_t(cached.field)].name) == name)
                return cached.field;
        }
        auto it = fieldIndex.constFind(name);
        if (it == fieldIndex.cend())
            it = fieldIndex.constFind(name.toUpper());
        if (it == fieldIndex.cend()) {
            const QString message = QCoreApplication::translate("Dbf", "no existe el campo '%1'").arg(name);
            throw DbfError(componentName.isEmpty() ? message : componentName + QStringLiteral(": ") + message);
        }
        CachedLookup *slot = &lookupCache[home];
        for (std::size_t way = 0; way < kCacheWays; ++way) {
            CachedLookup &candidate = lookupCache[(home + way) % kCacheSlots];
            if (!candidate.name) {
                slot = &candidate;
                break;
            }
        }
        *slot = {name.constData(), name.size(), *it};
        return *it;
    }

    // The bytes of the current record: the buffer while editing, nothing
    // (blank values) on an empty table.
    const char *currentRecord()
    {
        if (state == State::Edit || state == State::Insert)
            return buffer.constData();
        if (live.empty())
            return nullptr;
        return recordAt(live[std::size_t(current)]);
    }

    std::pair<const char *, const FieldLayout *> currentField(const QString &name)
    {
        const FieldLayout *field = &layout.fields[std::size_t(fieldAt(name))];
        return {currentRecord(), field};
    }

    // The bytes of record `number` (0-based, below layout.recordCount), valid
    // until another record is asked for: a record not yet written is read
    // where it was gathered, a written one from its block of the file.
    char *recordAt(std::uint32_t number)
    {
        if (number >= writtenRecords)
            return appended.data() + qsizetype(number - writtenRecords) * layout.recordLength;
        if (number < blockFirst || number >= blockFirst + blockCount)
            readBlock(number / recordsPerBlock() * recordsPerBlock());
        return block.data() + qsizetype(number - blockFirst) * layout.recordLength;
    }

    std::uint32_t recordsPerBlock() const
    {
        return std::max<std::uint32_t>(1, std::uint32_t(kReadBlock / layout.recordLength));
    }

    // Reads the block of written records that starts with record `first`,
    // after writing the edits of the block it replaces.
    void readBlock(std::uint32_t first)
    {
        writeEdits();
        const std::uint32_t count = std::min(recordsPerBlock(), writtenRecords - first);
        const qsizetype size = qsizetype(count) * layout.recordLength;
        block.resize(size);
        blockFirst = first;
        blockCount = 0;
        if (file.readInto(layout.headerLength + qint64(first) * layout.recordLength, block.data(), size) < size)
            throw DbfError(
                QCoreApplication::translate("Dbf", "No se puede leer la tabla %1: otro programa la ha acortado")
                    .arg(shownPath));
        blockCount = count;
    }

    void writeEdits()
    {
        if (editedFrom >= editedTo)
            return;
        file.writeAt(layout.headerLength + qint64(editedFrom) * layout.recordLength,
                     block.constData() + qsizetype(editedFrom - blockFirst) * layout.recordLength,
                     qsizetype(editedTo - editedFrom) * layout.recordLength);
        editedFrom = editedTo = 0;
    }

    // Writes what was posted and not yet written: edited records in one
    // block, appended ones with the end-of-file marker in another, then the
    // record count, so that the header never counts a record the file lacks.
    void flush()
    {
        writeEdits();
        if (appended.isEmpty())
            return;
        appended.append(kFileEnd);
        try {
            file.writeAt(layout.headerLength + qint64(writtenRecords) * layout.recordLength, appended.constData(),
                         appended.size());
        } catch (...) {
            appended.chop(1);
            throw;
        }
        appended.clear();
        writtenRecords = layout.recordCount;
        setUpdatedCount(headerBytes, writtenRecords);
        file.updateHeader(headerBytes);
    }

    char *editableRecord()
    {
        if (state != State::Edit && state != State::Insert)
            throw DbfError(QCoreApplication::translate("Dbf", "La tabla %1 no está en edición").arg(shownPath));
        return buffer.data();
    }

    // Reads the header and every record's deletion flag, one block at a time.
    void load()
    {
        const qint64 size = file.size();
        layout = readLayout(file.readAt(0, qsizetype(std::min(size, kLongestHeader))), size, shownPath);
        codePage.emplace(layout.languageDriver);
        writtenRecords = layout.recordCount;
        appended.clear();
        editedFrom = editedTo = 0;
        blockFirst = blockCount = 0;
        live.clear();
        live.reserve(layout.recordCount);
        for (std::uint32_t first = 0; first < layout.recordCount; first += recordsPerBlock()) {
            readBlock(first);
            requireDeletionFlags(block.constData(), first, blockCount, layout.recordLength, shownPath);
            for (std::uint32_t i = 0; i < blockCount; ++i) {
                if (block[qsizetype(i) * layout.recordLength] == kLive)
                    live.push_back(first + i);
            }
        }
        fieldIndex.clear();
        for (std::size_t i = 0; i < layout.fields.size(); ++i)
            fieldIndex.insert(layout.fields[i].name.toUpper(), int(i));
        lookupCache.fill({});
        buffer = QByteArray(layout.recordLength + 1, ' ');
        buffer[layout.recordLength] = kFileEnd;
    }

    // Reads the table again, as another writer may have changed it. The
    // header may have stopped announcing the index while this table changes
    // rows; the table keeps the index all the same, and rebuilds it at close.
    void reload()
    {
        const bool hadProductionIndex = layout.hasProductionIndex;
        load();
        layout.hasProductionIndex = layout.hasProductionIndex || (changed && hadProductionIndex);
    }

    void startEditing(State editState, const char *record)
    {
        if (record)
            std::copy_n(record, layout.recordLength, buffer.data());
        else
            std::fill_n(buffer.data(), layout.recordLength, kLive);
        state = editState;
    }

    void finishEditing()
    {
        if (state == State::Edit || state == State::Insert)
            post();
    }

    // Another object may have appended to a shared table since it was read:
    // the new record then goes after those records, not over them.
    void catchUpWithOtherWriters()
    {
        const QByteArray count = file.readAt(4, 4);
        if (count.size() < 4 || qFromLittleEndian<quint32>(count.constData()) <= layout.recordCount)
            return;
        const QByteArray pending = buffer;
        const State pendingState = state;
        reload();
        if (buffer.size() != pending.size())
            throw DbfError(QCoreApplication::translate(
                               "Dbf", "No se puede escribir la tabla %1: otro programa ha cambiado sus campos")
                               .arg(shownPath));
        buffer = pending;
        state = pendingState;
    }

    // The index on disk describes the rows as they were: before the first
    // change reaches the file, the header stops announcing it, so that a
    // program that dies before the close leaves a table without an index flag
    // rather than one whose index is missing rows.
    void withdrawIndexFlag()
    {
        if (indexAnnounced)
            file.writeAt(kProductionIndexFlag, "\x00", 1);
        indexAnnounced = false;
    }

    void post()
    {
        if (state == State::Insert || state == State::Edit)
            withdrawIndexFlag();
        if (state == State::Insert) {
            if (openShared)
                catchUpWithOtherWriters();
            if (appended.isEmpty())
                appended.reserve(kWriteBlock + layout.recordLength + 1);
            appended.append(buffer.constData(), layout.recordLength);
            // The posted record becomes current.
            live.push_back(layout.recordCount);
            current = int(live.size()) - 1;
            layout.recordCount = layout.countedRecords = layout.recordCount + 1;
            if (openShared || appended.size() >= kWriteBlock)
                flush();
        } else if (state == State::Edit) {
            const std::uint32_t number = live[std::size_t(current)];
            std::copy_n(buffer.constData(), layout.recordLength, recordAt(number));
            if (number < writtenRecords) {
                editedFrom = editedFrom < editedTo ? std::min(editedFrom, number) : number;
                editedTo = std::max(editedTo, number + 1);
            }
            if (openShared)
                flush();
        } else {
            return;
        }
        changed = true;
        state = State::Browse;
        atEof = atBof = false;
    }

    // Rebuilds the production index from every record's key, so that the
    // index file matches the table each time the table is closed.
    void rebuildIndex()
    {
        if (!changed || !layout.hasProductionIndex)
            return;
        flush();
        const auto field = std::find_if(layout.fields.cbegin(), layout.fields.cend(),
                                        [](const FieldLayout &f) { return f.indexed && f.type == 'C'; });
        if (field == layout.fields.cend())
            return;
        QString tagName = field->name;
        for (const IndexDef &def : indexDefs) {
            if (def.field.compare(field->name, Qt::CaseInsensitive) == 0)
                tagName = def.name;
        }
        std::vector<QByteArray> keys;
        keys.reserve(layout.recordCount);
        for (std::uint32_t i = 0; i < layout.recordCount; ++i)
            keys.emplace_back(recordAt(i) + field->offset, field->length);
        mdx::writeProductionIndex(productionIndexPath(path),
                                  {QFileInfo(path).completeBaseName().toUpper(), tagName.toUpper(), field->name,
                                   field->length},
                                  keys);
        // Announced again only now that the whole index matches the rows.
        file.writeAt(kProductionIndexFlag, "\x01", 1);
    }

    void close()
    {
        if (state == State::Inactive)
            return;
        state = State::Inactive;
        // The index is written while the table is still held, and the table is
        // released even when that fails.
        struct Release {
            Impl *d;
            ~Release()
            {
                d->file.close();
                d->block.clear();
                d->appended.clear();
                d->live.clear();
                d->changed = false;
                openTables().erase(d);
            }
        } release{this};
        flush();
        rebuildIndex();
    }

    // Every open table of the process, for flushAll.
    static std::set<Impl *> &openTables()
    {
        static std::set<Impl *> tables;
        return tables;
    }
};

Table::Table(QString componentName) : d(std::make_unique<Impl>())
{
    d->componentName = std::move(componentName);
}

Table::Table(QString componentName, QString windowsFolder, QString tableName, bool exclusive,
             winpath::WorkingFolder workingFolder)
    : Table(std::move(componentName))
{
    d->workingFolder = std::move(workingFolder);
    setFolder(windowsFolder);
    setTableName(tableName);
    setExclusive(exclusive);
}

Table::~Table()
{
    try {
        d->close();
    } catch (const DbfError &) {
        // A destructor cannot report; close() explicitly to see a failure.
    }
}

void Table::setFolder(const QString &windowsFolder) { d->folder = windowsFolder; }

void Table::setWorkingFolder(const winpath::WorkingFolder &workingFolder) { d->workingFolder = workingFolder; }

void Table::setTableName(const QString &tableName)
{
    d->tableName = QFileInfo(tableName).suffix().isEmpty() ? tableName + QStringLiteral(".DBF") : tableName;
}

void Table::setExclusive(bool exclusive) { d->exclusive = exclusive; }
QString Table::componentName() const { return d->componentName; }
QString Table::localPath() const { return d->tablePath(); }
std::vector<FieldDef> &Table::fieldDefs() { return d->fieldDefs; }
std::vector<IndexDef> &Table::indexDefs() { return d->indexDefs; }

void Table::createTable()
{
    close();
    const QString path = d->tablePath();
    const QString shownPath = d->nameShownFor(path);
    winpath::ensureFolder(QFileInfo(path).absolutePath());

    int indexedField = -1;
    if (!d->indexDefs.empty()) {
        const IndexDef &index = d->indexDefs.front();
        const auto it = std::find_if(d->fieldDefs.cbegin(), d->fieldDefs.cend(), [&](const FieldDef &f) {
            return f.name.compare(index.field, Qt::CaseInsensitive) == 0;
        });
        if (it == d->fieldDefs.cend() || it->type != FieldType::String)
            throw DbfError(
                QCoreApplication::translate(
                    "Dbf", "No se puede crear la tabla %1: el índice %2 necesita un campo de caracteres llamado %3")
                    .arg(shownPath, index.name, index.field));
        indexedField = int(it - d->fieldDefs.cbegin());
    }
    // The table is written without the index flag, which is set only once
    // its (empty) index exists whole: a table never announces an index that
    // is not there.
    QByteArray bytes = newTableFile(d->fieldDefs, indexedField, QDate::currentDate(), shownPath);
    bytes[kProductionIndexFlag] = 0;
    DbfFile file;
    file.create(path);
    file.writeAt(0, bytes.constData(), bytes.size());
    if (indexedField >= 0) {
        const FieldDef &field = d->fieldDefs[std::size_t(indexedField)];
        mdx::writeProductionIndex(productionIndexPath(path),
                                  {QFileInfo(path).completeBaseName().toUpper(), d->indexDefs.front().name.toUpper(),
                                   field.name.toUpper(), field.width},
                                  {});
        file.writeAt(kProductionIndexFlag, "\x01", 1);
    }
}

void Table::open()
{
    if (d->state != State::Inactive)
        return;
    d->path = d->tablePath();
    d->nameShownFor(d->path);
    d->file.open(d->path, d->exclusive ? DbfFile::Lock::Exclusive : DbfFile::Lock::Shared);
    d->openShared = !d->exclusive;
    try {
        d->load();
    } catch (...) {
        d->file.close();
        throw;
    }
    d->changed = false;
    d->indexAnnounced = d->layout.hasProductionIndex;
    Impl::openTables().insert(d.get());
    d->headerBytes = headerUpdate(QDate::currentDate(), d->layout.recordCount);
    d->state = State::Browse;
    d->current = 0;
    d->atBof = true;
    d->atEof = d->live.empty();
}

void Table::close() { d->close(); }

void Table::flushAll()
{
    for (Impl *table : Impl::openTables())
        table->flush();
}
bool Table::isOpen() const { return d->state != State::Inactive; }
Table::State Table::state() const { return d->state; }

void Table::first()
{
    d->requireOpen();
    d->finishEditing();
    d->current = 0;
    d->atBof = true;
    d->atEof = d->live.empty();
}

void Table::last()
{
    d->requireOpen();
    d->finishEditing();
    d->current = std::max(0, int(d->live.size()) - 1);
    d->atBof = d->live.empty();
    d->atEof = d->live.empty();
}

void Table::next() { moveBy(1); }
void Table::prior() { moveBy(-1); }

int Table::moveBy(int n)
{
    d->requireOpen();
    d->finishEditing();
    if (d->live.empty()) {
        d->atBof = d->atEof = true;
        return 0;
    }
    const long long target = std::clamp<long long>(static_cast<long long>(d->current) + n, 0, d->live.size() - 1);
    const int moved = int(target - d->current);
    d->current = int(target);
    if (n > 0) {
        d->atBof = false;
        d->atEof = moved < n;
    } else if (n < 0) {
        d->atEof = false;
        d->atBof = moved > n;
    }
    return moved;
}

void Table::refresh()
{
    d->requireOpen();
    d->finishEditing();
    d->flush();
    const std::optional<std::uint32_t> record =
        d->live.empty() ? std::nullopt : std::optional(d->live[std::size_t(d->current)]);
    d->reload();
    const auto it = record ? std::lower_bound(d->live.cbegin(), d->live.cend(), *record) : d->live.cend();
    d->current = std::min(int(it - d->live.cbegin()), std::max(0, int(d->live.size()) - 1));
    d->atBof = d->live.empty();
    d->atEof = d->live.empty();
}

bool Table::eof() const { return d->state == State::Inactive || d->atEof; }
bool Table::bof() const { return d->state == State::Inactive || d->atBof; }
int Table::recordCount() const
{
    if (d->state == State::Inactive)
        return 0;
    return int(d->live.size());
}

int Table::recNo() const
{
    if (d->state == State::Inactive)
        return 0;
    return d->live.empty() ? 0 : d->current + 1;
}

Table::StoredRecords Table::storedRecords() const
{
    d->requireOpen();
    return {d->layout.countedRecords, d->layout.recordCount};
}

void Table::append()
{
    d->requireOpen();
    d->finishEditing();
    d->startEditing(State::Insert, nullptr);
}

void Table::edit()
{
    d->requireOpen();
    if (d->state != State::Browse)
        return;
    if (d->live.empty())
        return append();
    d->startEditing(State::Edit, d->currentRecord());
}

void Table::post()
{
    d->requireOpen();
    d->post();
}

void Table::cancel()
{
    d->requireOpen();
    if (d->state == State::Edit || d->state == State::Insert)
        d->state = State::Browse;
}

QString Table::asString(const QString &field) const
{
    QString text;
    readString(field, text);
    return text;
}

void Table::readString(const QString &field, QString &text) const
{
    const auto [record, f] = d->currentField(field);
    if (record)
        value::readText(*f, record, *d->codePage, text);
    else
        text.clear();
}

long long Table::asInteger(const QString &field) const
{
    const auto [record, f] = d->currentField(field);
    return record ? value::wholeNumber(*f, record, *d->codePage, d->shownPath) : 0;
}

double Table::asFloat(const QString &field) const
{
    const auto [record, f] = d->currentField(field);
    return record ? value::number(*f, record, *d->codePage, d->shownPath) : 0.0;
}

bool Table::asBoolean(const QString &field) const
{
    const auto [record, f] = d->currentField(field);
    return record ? value::boolean(*f, record, *d->codePage, d->shownPath) : false;
}

void Table::setString(const QString &field, const QString &text)
{
    const FieldLayout &f = d->layout.fields[std::size_t(d->fieldAt(field))];
    value::setText(f, d->editableRecord(), text, *d->codePage, d->shownPath);
}

void Table::setBoolean(const QString &field, bool v)
{
    const FieldLayout &f = d->layout.fields[std::size_t(d->fieldAt(field))];
    value::setBoolean(f, d->editableRecord(), v, d->shownPath);
}

void Table::setFloat(const QString &field, double v)
{
    const FieldLayout &f = d->layout.fields[std::size_t(d->fieldAt(field))];
    value::setNumber(f, d->editableRecord(), v, d->shownPath);
}

void Table::setInteger(const QString &field, long long v)
{
    const FieldLayout &f = d->layout.fields[std::size_t(d->fieldAt(field))];
    value::setWholeNumber(f, d->editableRecord(), v, d->shownPath);
}

bool Table::locate(const QString &field, const QString &wanted)
{
    // Posting a pending record may re-read a shared table that another object
    // appended to, which replaces the layout: the field is looked up after it.
    d->finishEditing();
    const FieldLayout &f = d->layout.fields[std::size_t(d->fieldAt(field))];
    QString text;
    for (std::size_t i = 0; i < d->live.size(); ++i) {
        value::readText(f, d->recordAt(d->live[i]), *d->codePage, text);
        if (text == wanted) {
            d->current = int(i);
            d->atBof = d->atEof = false;
            return true;
        }
    }
    return false;
}

std::vector<FieldDef> Table::fields() const
{
    std::vector<FieldDef> defs;
    if (d->state == State::Inactive)
        return defs;
    for (const FieldLayout &f : d->layout.fields) {
        FieldDef def{f.name, FieldType::String, 0};
        if (f.type == 'L')
            def.type = FieldType::Boolean;
        else if (f.type == 'I' || f.type == '+' || ((f.type == 'N' || f.type == 'F') && f.decimals == 0))
            def.type = FieldType::Integer;
        else if (f.type == 'N' || f.type == 'F' || f.type == 'O')
            def.type = FieldType::Float;
        else
            def.width = f.length;
        defs.push_back(def);
    }
    return defs;
}

} // namespace dbf
