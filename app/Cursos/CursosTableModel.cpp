#include "app/Cursos/CursosTableModel.h"

#include "import/Cursos/TControlCursos.h"

#include <QCoreApplication>
#include <QColor>
#include <QFont>

using centre_import::CursoMarks;
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
    , m_marks(dialog.rowMarks())
{
}

QString CursosTableModel::field(int column)
{
    return QString::fromLatin1(columns[column].field);
}

QString CursosTableModel::title(int column)
{
    return tr(columns[column].title);
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
    case Qt::BackgroundRole: return background(index);
    case Qt::ToolTipRole: return toolTip(index.row());
    case Qt::FontRole: {
        if (!isProposed(index))
            return {};
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    default: return {};
    }
}

bool CursosTableModel::isProposed(const QModelIndex &index) const
{
    if (index.row() >= m_marks.size())
        return false;
    const CursoMarks &m = m_marks[index.row()];
    return (index.column() == ColNivel && m.nivelProposed) || (index.column() == ColCurso && m.cursoProposed);
}

QVariant CursosTableModel::background(const QModelIndex &index) const
{
    if (index.row() < m_marks.size()) {
        const CursoMarks &m = m_marks[index.row()];
        if (isProposed(index))
            return proposedColour;
        if (m.incomplete)
            return incompleteColour;
        if (!m.collidesWith.isEmpty())
            return collisionColour;
    }
    return index.row() % 2 == 0 ? evenRowColour : oddRowColour;
}

// The course's groups, then why the row is pointed out.
QString CursosTableModel::toolTip(int row) const
{
    QStringList lines;
    if (row < m_dialog.courseGroups.size()) {
        const QStringList &groups = m_dialog.courseGroups[row];
        lines << (groups.isEmpty() ? QCoreApplication::translate("CursosTableModel", "Sin grupos")
                                   : QCoreApplication::translate("CursosTableModel", "Grupos: %1").arg(groups.join(QStringLiteral(", "))));
    }
    if (row < m_marks.size()) {
        const CursoMarks &m = m_marks[row];
        if (m.incomplete)
            lines << QCoreApplication::translate("CursosTableModel", "Falta el NIVEL o el CURSO de este curso.");
        if (!m.collidesWith.isEmpty()) {
            QStringList others;
            for (const int other : m.collidesWith)
                others << m_dialog.wwDataSource1.text(other, field(ColCodi)) + QStringLiteral(" - ")
                              + m_dialog.wwDataSource1.text(other, field(ColDescripcio));
            lines << QCoreApplication::translate("CursosTableModel", "Sus Grupos recibirán las mismas Abreviaturas (%1) que los de: %2.")
                         .arg(m.collisionPrefix, others.join(QStringLiteral("; ")));
        }
        if (m.nivelProposed || m.cursoProposed)
            lines << QCoreApplication::translate("CursosTableModel", "Propuesto por «Sugerir» a partir de la descripción: confírmelo escribiendo en la "
                                    "fila o con OK.");
    }
    return lines.join(QLatin1Char('\n'));
}

bool CursosTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_dialog.typeInto(index.row(), field(index.column()), value.toString());
    emit dataChanged(index, index);
    return true;
}

QVariant CursosTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole: return title(section);
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
    m_marks = m_dialog.rowMarks();
    const int rows = m_dialog.wwDataSource1.rowCount();
    if (rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    } else if (m_rows > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
    }
}
