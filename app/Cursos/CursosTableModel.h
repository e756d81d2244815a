#pragma once

#include <QAbstractTableModel>

namespace centre_import {
class TControlCursos;
}

// The grid's columns over CURSOST as the dialog's data source shows it: the
// course's code and description to read, its level and course number to
// type. What the user types goes into the current row's edit buffer.
class CursosTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColCodi, ColDescripcio, ColNivel, ColCurso, ColumnCount };

    explicit CursosTableModel(centre_import::TControlCursos &dialog, QObject *parent = nullptr);

    static QString field(int column);
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
    centre_import::TControlCursos &m_dialog;
    int m_rows = 0;
};
