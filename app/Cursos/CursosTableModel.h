#pragma once

#include "import/Cursos/CursosMarks.h"

#include <QAbstractTableModel>
#include <QColor>

namespace centre_import {
class TControlCursos;
}

// The grid's columns over CURSOST as the dialog's data source shows it: the
// course's code and description to read, its level and course number to
// type. What the user types goes into the current row's edit buffer. Rows
// the dialog points out take their own background and say why in a tooltip,
// which also names the course's groups.
class CursosTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColCodi, ColDescripcio, ColNivel, ColCurso, ColumnCount };

    // The backgrounds of the rows and cells the dialog points out.
    inline static const QColor incompleteColour{255, 176, 176};
    inline static const QColor collisionColour{255, 200, 110};
    inline static const QColor proposedColour{190, 240, 190};

    explicit CursosTableModel(centre_import::TControlCursos &dialog, QObject *parent = nullptr);

    static QString field(int column);
    // The column's title as the grid shows it, in the interface's language.
    static QString title(int column);
    static int widthInCharacters(int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Shows the data source's rows again after they changed.
    void refresh();

private:
    bool isProposed(const QModelIndex &index) const;
    QVariant background(const QModelIndex &index) const;
    QString toolTip(int row) const;

    centre_import::TControlCursos &m_dialog;
    int m_rows = 0;
    QList<centre_import::CursoMarks> m_marks; // as of the last refresh
};
