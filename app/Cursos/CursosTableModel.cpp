#include "app/Cursos/CursosTableModel.h"

#include "import/Cursos/TControlCursos.h"

#include <QColor>
#include <QFont>

using centre_import::TableDataSource;
using centre_import::TControlCursos;

namespace {

struct ColumnInfo {
    const char *field;
    const char *title; // translated when shown
    int width; // characters
    bool editable;
};

const ColumnInfo columns[CursosTableModel::ColumnCount] = {
    {"CODI", QT_TRANSLATE_NOOP("CursosTableModel", "CÓD.GESTIB"), 10, false},
    {"DESCRIPCIO", QT_TRANSLATE_NOOP("CursosTableModel", "DESCRIPCIÓN"), 40, false},
    {"NIVEL", QT_TRANSLATE_NOOP("CursosTableModel", "NIVEL"), 5, true},
    {"CURSO", QT_TRANSLATE_NOOP("CursosTableModel", "CURSO"), 3, true},
};

const QColor titleColour(254, 228, 169);
const QColor evenRowColour(240, 251, 255);
const QColor oddRowColour(207, 217, 254);

} // namespace

CursosTableModel::CursosTableModel(TControlCursos &dialog, QObject *parent)
    : QAbstractTableModel(parent)
    , m_dialog(dialog)
    , m_rows(dialog.wwDataSource1.rowCount())
{
}

QString CursosTableModel::field(int column)
{
    return QString::fromLatin1(columns[column].field);
}

int CursosTableModel::widthInCharacters(int column)
{
    return columns[column].width;
}

int CursosTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CursosTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CursosTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return m_dialog.wwDataSource1.text(index.row(), field(index.column()));
    case Qt::BackgroundRole: return index.row() % 2 == 0 ? evenRowColour : oddRowColour;
    default: return {};
    }
}

bool CursosTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    TableDataSource &source = m_dialog.wwDataSource1;
    m_dialog.guarded([&] {
        source.moveTo(index.row());
        source.setText(field(index.column()), value.toString());
    });
    emit dataChanged(index, index);
    return true;
}

QVariant CursosTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole: return tr(columns[section].title);
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: return titleColour;
    case Qt::FontRole: {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    default: return {};
    }
}

Qt::ItemFlags CursosTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && columns[index.column()].editable && m_dialog.wwDataSource1.isActive())
        f |= Qt::ItemIsEditable;
    return f;
}

void CursosTableModel::refresh()
{
    const int rows = m_dialog.wwDataSource1.rowCount();
    if (rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    } else if (m_rows > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
    }
}
