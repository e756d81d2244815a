#include "app/Cursos/CursosGrid.h"

#include "app/Cursos/CursosTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QValidator>

#include <functional>

namespace {

// Refuses a text longer than the field, whether typed or pasted, instead of
// cutting it.
class FieldWidthValidator : public QValidator {
public:
    FieldWidthValidator(int width, QObject *parent)
        : QValidator(parent)
        , m_width(width)
    {
    }

    State validate(QString &input, int &) const override { return input.size() <= m_width ? Acceptable : Invalid; }

private:
    int m_width;
};

// Cell editors that take no more characters than the field holds, telling
// the grid when they refuse some, and on which Enter moves on to the next
// cell as Tab does.
class FieldDelegate : public QStyledItemDelegate {
public:
    FieldDelegate(std::function<void(int column)> refused, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_refused(std::move(refused))
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            const int column = index.column();
            line->setValidator(new FieldWidthValidator(CursosTableModel::widthInCharacters(column), line));
            connect(line, &QLineEdit::inputRejected, line, [this, column] { m_refused(column); });
        }
        return editor;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                auto *editor = static_cast<QWidget *>(object);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
                return true;
            }
            // Escape drops what was typed into the cell, and goes no further:
            // the dialog would take it for its close box.
            if (key == Qt::Key_Escape) {
                emit closeEditor(static_cast<QWidget *>(object), QAbstractItemDelegate::RevertModelCache);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    std::function<void(int column)> m_refused;
};

} // namespace

CursosGrid::CursosGrid(QWidget *parent)
    : QTableView(parent)
    , m_frozen(new QTableView(this))
{
    setItemDelegate(new FieldDelegate([this](int column) { emit textRefused(column); }, this));
    setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed | SelectedClicked);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setHorizontalScrollMode(ScrollPerPixel);
    verticalHeader()->hide();

    m_frozen->setObjectName(QStringLiteral("CursosTDBGridFixedColumn"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->verticalHeader()->hide();
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setFrameShape(QFrame::NoFrame);
    viewport()->stackUnder(m_frozen);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section == 0) {
            m_frozen->setColumnWidth(0, size);
            placeFrozenColumn();
        }
    });
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
}

void CursosGrid::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    const auto showFirstColumnOnly = [this] {
        for (int column = 1; column < m_frozen->model()->columnCount(); ++column)
            m_frozen->setColumnHidden(column, true);
        m_frozen->setColumnWidth(0, columnWidth(0));
    };
    showFirstColumnOnly();
    connect(model, &QAbstractItemModel::modelReset, this, showFirstColumnOnly);
    placeFrozenColumn();
}

void CursosGrid::commitOpenEditor()
{
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CursosGrid::discardOpenEditor()
{
    if (QWidget *editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

// Tab and Enter visit the editable cells in reading order; past the last one
// the focus moves on to the next control.
QModelIndex CursosGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction == MoveNext || cursorAction == MovePrevious) {
        const QAbstractItemModel *m = model();
        const int columns = m->columnCount();
        const int cells = m->rowCount() * columns;
        const int step = cursorAction == MoveNext ? 1 : -1;
        const QModelIndex current = currentIndex();
        int at = current.isValid() ? current.row() * columns + current.column() : (step > 0 ? -1 : cells);
        for (at += step; at >= 0 && at < cells; at += step) {
            const QModelIndex cell = m->index(at / columns, at % columns);
            if (cell.flags() & Qt::ItemIsEditable)
                return cell;
        }
        return {};
    }
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // Keep a cell reached by moving left out from under the fixed first column.
    if (cursorAction == MoveLeft && current.column() > 0) {
        const int hidden = m_frozen->columnWidth(0) - visualRect(current).left();
        if (hidden > 0)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
    }
    return current;
}

// A cell being typed into is closed by Tab, Shift+Tab and Enter; past the
// last editable cell, or before the first, the focus then leaves the grid as
// it does from a closed cell, rather than staying in the grid.
void CursosGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    const bool leaves = (forward || hint == QAbstractItemDelegate::EditPreviousItem)
                        && !moveCursor(forward ? MoveNext : MovePrevious, Qt::NoModifier).isValid();
    if (!leaves) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    QAbstractScrollArea::focusNextPrevChild(forward);
}

void CursosGrid::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        focusNextPrevChild(true);
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape && state() != EditingState) {
        emit cancelRequested();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CursosGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeFrozenColumn();
}

void CursosGrid::updateGeometries()
{
    QTableView::updateGeometries();
    placeFrozenColumn();
}

void CursosGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // The first column is always in view; scrolling to it would hide the others.
    if (index.column() > 0)
        QTableView::scrollTo(index, hint);
    else if (index.isValid())
        QTableView::scrollTo(model()->index(index.row(), 1), hint);
}

void CursosGrid::placeFrozenColumn()
{
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                          viewport()->height() + horizontalHeader()->height());
}
