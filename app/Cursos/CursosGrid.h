#pragma once

#include <QTableView>

// The grid CursosTDBGrid: a table view over CursosTableModel in which Enter
// moves on as Tab does, Tab and Enter visit only the cells the user fills
// (level and course, row after row) and past the last one (or before the
// first) leave the grid, typing beyond the field's width is refused, and
// the first column stays in place when the grid scrolls sideways.
class CursosGrid : public QTableView {
    Q_OBJECT
public:
    explicit CursosGrid(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    // Hands a cell being typed into over to the model, and closes its editor.
    void commitOpenEditor();
    // Closes a cell being typed into without handing its text over.
    void discardOpenEditor();

signals:
    // Escape outside a cell editor.
    void cancelRequested();
    // A cell editor refused what was typed or pasted into it: longer than the field.
    void textRefused(int column);

protected slots:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

private:
    void placeFrozenColumn();

    // The first column drawn again over the scrolling one.
    QTableView *m_frozen = nullptr;
};
