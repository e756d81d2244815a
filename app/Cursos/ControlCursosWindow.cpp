#include "app/Cursos/ControlCursosWindow.h"

#include "app/Cursos/CursosGrid.h"
#include "app/Cursos/CursosTableModel.h"
#include "app/Help.h"
#include "import/Cursos/TControlCursos.h"

#include <QCoreApplication>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using centre_import::TableDataSource;
using centre_import::TControlCursos;

using Control = TControlCursos::Control;
using Ending = TControlCursos::Ending;
using NavigatorAction = TableDataSource::NavigatorAction;

namespace {

struct LabelSpec {
    const char *name;
    QRect geometry;
    const char *text; // translated when shown
    const char *look; // style sheet: colours
    int pointSize;    // 0: the dialog's size
    bool underline;
    bool centred;
};

// In reading order. Label2 has two blanks after NIVEL, Label5 ends in a blank.
const LabelSpec labels[] = {
    {"Label1", {86, 5, 320, 20},
     QT_TRANSLATE_NOOP("ControlCursosWindow", "ASIGNACIÓN DE NIVELES Y CURSOS"),
     "color: #ffff00;", 12, true, false},
    {"Label3", {468, 55, 190, 13},
     QT_TRANSLATE_NOOP("ControlCursosWindow", "INCIDENCIAS EN EL TRASPASO"),
     "color: #0000ff; background-color: #ffffff;", 0, true, true},
    {"Label2", {473, 70, 180, 65},
     QT_TRANSLATE_NOOP("ControlCursosWindow",
                       "Se ha detectado que falta por indicar algún NIVEL  o CURSO. Complete el/los datos que falten, "
                       "para poder concluir el proceso, antes de Salir."),
     "color: #000080; background-color: #ffff00;", 0, false, false},
    {"Label4", {471, 136, 134, 20},
     QT_TRANSLATE_NOOP("ControlCursosWindow", "¡ IMPORTANTE !"),
     "color: #000000;", 12, true, false},
    {"Label5", {472, 156, 185, 52},
     QT_TRANSLATE_NOOP("ControlCursosWindow",
                       "Las Abreviaturas de sus Grupos (Unidades), se formarán, en función del NIVEL y CURSO, del "
                       "siguiente modo: "),
     "color: #800000;", 0, false, false},
    {"Label6", {472, 207, 140, 39},
     QT_TRANSLATE_NOOP("ControlCursosWindow", "Por ejemplo, NIVEL=ESO y CURSO=1 daría como resultado"),
     "color: #0000ff;", 0, false, false},
    {"Label10", {473, 244, 180, 13},
     QT_TRANSLATE_NOOP("ControlCursosWindow", "Abreviatura del Grupo = ESO1A"),
     "color: #ff00ff;", 0, true, false},
    {"Label7", {472, 257, 194, 39},
     QT_TRANSLATE_NOOP("ControlCursosWindow",
                       "y así secuencialmente para el resto de Grupos del mismo NIVEL y CURSO, ESO1B, ESO1C."),
     "color: #800080;", 0, false, false},
    {"Label11", {457, 298, 215, 52},
     QT_TRANSLATE_NOOP("ControlCursosWindow",
                       "Ejemplos de Niveles: BCT=Bach.C.T., BHC=Bach.Hum., BT=Bach.Tecnol., LS=Leng.Signos, "
                       "GAD=Gest.Admin., EDSO=ESO Diversificación, etc..."),
     "color: #800000; background-color: #ffffff;", 0, false, false},
    {"Label9", {458, 355, 217, 39},
     QT_TRANSLATE_NOOP("ControlCursosWindow",
                       "Luego es de vital IMPORTANCIA que para cada NIVEL sus 5 Primeros caracteres sean DISTINTOS."),
     "color: #ff0000; background-color: #a6caf0;", 0, true, false},
    {"Label8", {470, 450, 182, 39},
     QT_TRANSLATE_NOOP("ControlCursosWindow",
                       "¡ Atención ! Si fuerza la Salida, no se escribe NADA de esta importación."),
     "color: #000080; background-color: #ffff00;", 0, false, true},
};

struct NavigatorSpec {
    NavigatorAction action;
    const char *name;
    const char16_t *glyph;
    const char *hint; // translated when shown
};

const NavigatorSpec navigatorButtons[] = {
    {NavigatorAction::First, "wwDBNavigator1First", u"|◀", QT_TRANSLATE_NOOP("ControlCursosWindow", "Ir al primer registro")},
    {NavigatorAction::PriorPage, "wwDBNavigator1PriorPage", u"◀◀", QT_TRANSLATE_NOOP("ControlCursosWindow", "Retroceder 10 registros")},
    {NavigatorAction::Prior, "wwDBNavigator1Prior", u"◀", QT_TRANSLATE_NOOP("ControlCursosWindow", "Ir al registro anterior")},
    {NavigatorAction::Next, "wwDBNavigator1Next", u"▶", QT_TRANSLATE_NOOP("ControlCursosWindow", "Ir al registro siguiente")},
    {NavigatorAction::NextPage, "wwDBNavigator1NextPage", u"▶▶", QT_TRANSLATE_NOOP("ControlCursosWindow", "Avanzar 10 registros")},
    {NavigatorAction::Last, "wwDBNavigator1Last", u"▶|", QT_TRANSLATE_NOOP("ControlCursosWindow", "Ir al último registro")},
    {NavigatorAction::Edit, "wwDBNavigator1Edit", u"✎", QT_TRANSLATE_NOOP("ControlCursosWindow", "Modificar el registro actual")},
    {NavigatorAction::Post, "wwDBNavigator1Post", u"✔", QT_TRANSLATE_NOOP("ControlCursosWindow", "Guardar los cambios del registro actual")},
    {NavigatorAction::Cancel, "wwDBNavigator1Cancel", u"✘", QT_TRANSLATE_NOOP("ControlCursosWindow", "Cancelar los cambios del registro actual")},
    {NavigatorAction::Refresh, "wwDBNavigator1Refresh", u"⟳", QT_TRANSLATE_NOOP("ControlCursosWindow", "Volver a leer los datos de la tabla")},
};

// The dialog is laid out in pixels for its 8-point font on a 96 DPI screen,
// next to programs whose text is of Qt's usual 9 points.
const QSize designSize(679, 499);
constexpr double designPointSize = 8;
constexpr double usualApplicationPointSize = 9;
constexpr double designDpi = 96;

// How much larger than designed the dialog is drawn: as much as the user's
// font is larger than usual, and the screen's text denser than designed.
double layoutScale(const QScreen *screen)
{
    const double font = std::max(1.0, QApplication::font().pointSizeF() / usualApplicationPointSize);
    const double dpi = screen ? std::max(1.0, screen->logicalDotsPerInchY() / designDpi) : 1.0;
    return font * dpi;
}

// The dialog's font is MS Sans Serif; where it is missing, the nearest in
// width. It grows with the user's font.
QFont dialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPointSizeF(designPointSize
                       * std::max(1.0, QApplication::font().pointSizeF() / usualApplicationPointSize));
    return font;
}

// Texts are laid out for MS Sans Serif; in a wider font a label takes a
// smaller size rather than lose the end of its text.
void fitToLabel(QLabel *label)
{
    QFont font = label->font();
    const auto fits = [&] {
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, label->width(), 10000),
                                                             Qt::TextWordWrap, label->text());
        return needed.height() <= label->height() && needed.width() <= label->width();
    };
    while (!fits() && font.pointSizeF() > 5)
        font.setPointSizeF(font.pointSizeF() - 1);
    label->setFont(font);
}

QFont boldFont(const QFont &base)
{
    QFont font = base;
    font.setBold(true);
    return font;
}

} // namespace

ControlCursosWindow::ControlCursosWindow(TControlCursos &dialog, QWidget *owner)
    // A fixed dialog frame: a close box, and no minimise or maximise, since a
    // minimised modal dialog would leave the program out of reach.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_dialog(dialog)
{
    setObjectName(QStringLiteral("ControlCursos"));
    setWindowTitle(
        QCoreApplication::translate("TControlCursos", TControlCursos::Caption.toUtf8().constData()));
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    m_scale = layoutScale(screen);
    setFont(dialogFont());

    // The panel holds every control at its designed place, scaled with the
    // font; the window shows as much of it as the screen allows and scrolls
    // the rest.
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("Draw3D1"));
    panel->setFixedSize(scaled(QRect(QPoint(), designSize)).size());
    panel->setStyleSheet(QStringLiteral("#Draw3D1 { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
                                        "stop: 0 #ff0000, stop: 0.5 #ffff00, stop: 1 #ff0000); }"));
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("ControlCursosScroll"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus); // the focus goes from control to control, as without it
    m_scrollArea->setWidget(panel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);

    buildGrid();
    buildNavigator();
    buildLabels();

    m_ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), panel);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setGeometry(scaled({514, 397, 105, 25}));
    m_ok->setFont(boldFont(font()));
    m_ok->setDefault(true);
    // The platform's own focus mark on a default button is faint; a keyboard
    // user must see at once that Return will confirm.
    m_ok->setStyleSheet(QStringLiteral("QPushButton:focus { border: 2px solid #000080; border-radius: 3px; "
                                       "background-color: #ffffc0; }"));
    connect(m_ok, &QPushButton::clicked, this, &ControlCursosWindow::pressOk);

    m_forcedExit = new QPushButton(tr("Forzar Salida Sin Terminar Proceso "), panel);
    m_forcedExit->setObjectName(QStringLiteral("BitBtn2"));
    m_forcedExit->setGeometry(scaled({458, 424, 217, 24}));
    m_forcedExit->setFont(boldFont(font()));
    QPalette red = m_forcedExit->palette();
    red.setColor(QPalette::ButtonText, Qt::red);
    m_forcedExit->setPalette(red);
    m_forcedExit->setAutoDefault(false);
    m_forcedExit->hide();
    connect(m_forcedExit, &QPushButton::clicked, this, &ControlCursosWindow::pressForcedExit);

    // The grid comes first in the tab order and so takes the focus at the start.
    setTabOrder(m_grid, m_ok);
    setTabOrder(m_ok, m_forcedExit);
    m_grid->setFocus();

    // F1 opens the manual where it explains this dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { showHelp(m_dialog.interaction(), cursosHelpSection); });

    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget *, QWidget *now) { onFocusChanged(now); });
    m_dialog.setChangeListener([this] { sync(); });

    // Until the window is shown, its frame is guessed from the style.
    const int border = std::max(4, style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
    m_frame = QSize(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 2 * border);
    fitToScreen(screen);
    sync();
}

ControlCursosWindow::~ControlCursosWindow()
{
    // Destroying the widgets moves the focus; this window no longer follows it.
    disconnect(m_focusWatch);
    m_dialog.setChangeListener({});
}

void ControlCursosWindow::run()
{
    m_dialog.FormShow();
    exec();
    m_dialog.closeOtherwise(); // when nothing else ended the pass
}

QRect ControlCursosWindow::scaled(const QRect &designed) const
{
    const auto px = [this](int v) { return static_cast<int>(std::lround(v * m_scale)); };
    return {px(designed.x()), px(designed.y()), px(designed.width()), px(designed.height())};
}

// The window takes the panel's size where the screen has room for it, else
// the room there is (less the window manager's frame), and stands centred.
void ControlCursosWindow::fitToScreen(QScreen *screen)
{
    QSize size = m_scrollArea->widget()->size();
    if (!screen) {
        setFixedSize(size);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize room = available.size() - m_frame;
    // A scroll bar in one direction takes room from the other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const bool scrollsDown = size.height() > room.height();
    const bool scrollsAcross = size.width() > room.width();
    size = QSize(std::min(size.width() + (scrollsDown ? bar : 0), room.width()),
                 std::min(size.height() + (scrollsAcross ? bar : 0), room.height()));
    setFixedSize(size);
    const QSize outer = size + m_frame;
    move(available.left() + std::max(0, (available.width() - outer.width()) / 2),
         available.top() + std::max(0, (available.height() - outer.height()) / 2));
}

// The frame the window manager puts around the window is known once it is
// shown; the window fits again if it is larger than was allowed for.
void ControlCursosWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QSize frame = frameGeometry().size() - size();
    if (frame.width() > m_frame.width() || frame.height() > m_frame.height()) {
        m_frame = m_frame.expandedTo(frame);
        fitToScreen(screen());
    }
}

void ControlCursosWindow::buildGrid()
{
    QWidget *panel = findChild<QWidget *>(QStringLiteral("Draw3D1"));
    m_grid = new CursosGrid(panel);
    m_grid->setObjectName(QStringLiteral("CursosTDBGrid"));
    // Shorter than designed: the lines below it point out what needs attention.
    m_grid->setGeometry(scaled({7, 56, 448, 389}));
    m_grid->setAlternatingRowColors(false); // the model gives each row its colour
    m_grid->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: rgb(254, 228, 169); "
                                         "font-weight: bold; padding-left: 3px; }"));
    m_model = new CursosTableModel(m_dialog, this);
    m_grid->setModel(m_model);

    QHeaderView *titles = m_grid->horizontalHeader();
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setFixedHeight(2 * QFontMetrics(boldFont(font())).height() + 6);
    titles->setStretchLastSection(false);
    const QFontMetrics cells(font());
    // The header's own measure of a title, with the style sheet's bold font
    // and padding, so that no language's title runs into the next one.
    m_grid->ensurePolished();
    for (int column = 0; column < CursosTableModel::ColumnCount; ++column) {
        const int text = cells.averageCharWidth() * CursosTableModel::widthInCharacters(column) + 16;
        m_grid->setColumnWidth(column, std::max(text, titles->sectionSizeHint(column)));
    }
    m_grid->verticalHeader()->setDefaultSectionSize(cells.height() + 6);

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onCurrentChanged(current); });
    // Escape drops the changes of the row being typed into; with none, it
    // closes the dialog as the close box does.
    connect(m_grid, &CursosGrid::cancelRequested, this, [this] {
        if (m_dialog.wwDataSource1.isModified())
            m_dialog.guarded([this] { m_dialog.wwDataSource1.act(NavigatorAction::Cancel); });
        else
            reject();
    });
    connect(m_grid, &CursosGrid::textRefused, this, &ControlCursosWindow::showTextRefused);
}

void ControlCursosWindow::buildNavigator()
{
    QWidget *panel = findChild<QWidget *>(QStringLiteral("Draw3D1"));
    auto *navigator = new QWidget(panel);
    navigator->setObjectName(QStringLiteral("wwDBNavigator1"));
    const QRect designed(105, 29, 25 * int(std::size(navigatorButtons)), 25);
    navigator->setGeometry(scaled(designed));
    const int size = navigator->height();
    for (size_t i = 0; i < std::size(navigatorButtons); ++i) {
        const NavigatorSpec &spec = navigatorButtons[i];
        auto *button = new QToolButton(navigator);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setText(QString::fromUtf16(spec.glyph));
        button->setToolTip(tr(spec.hint));
        button->setGeometry(int(i) * size, 0, size, size);
        // The focus stays in the grid, so the row being edited stays the current one.
        button->setFocusPolicy(Qt::NoFocus);
        const NavigatorAction action = spec.action;
        connect(button, &QToolButton::clicked, this, [this, action] {
            // Cancel drops what is being typed; every other button acts on it.
            if (action == NavigatorAction::Cancel)
                m_grid->discardOpenEditor();
            else
                m_grid->commitOpenEditor();
            m_dialog.guarded([this, action] { m_dialog.wwDataSource1.act(action); });
        });
        m_navigator[i] = button;
    }

    m_suggest = new QPushButton(QCoreApplication::translate("ControlCursosWindow", "&Sugerir"), panel);
    m_suggest->setObjectName(QStringLiteral("BSugerir"));
    m_suggest->setGeometry(scaled({designed.right() + 8, designed.top(), 88, designed.height()}));
    m_suggest->setToolTip(QCoreApplication::translate("ControlCursosWindow", "Rellena los NIVEL y CURSO vacíos con lo que propone la descripción de cada "
                                         "curso. Revise las celdas marcadas en verde."));
    m_suggest->setAutoDefault(false);
    // Like the navigator, it leaves the focus in the grid, on the row being
    // edited; Alt+S presses it from the keyboard.
    m_suggest->setFocusPolicy(Qt::NoFocus);
    connect(m_suggest, &QPushButton::clicked, this, [this] {
        m_grid->commitOpenEditor();
        m_dialog.BSugerirClick();
    });
}

void ControlCursosWindow::buildLabels()
{
    QWidget *panel = findChild<QWidget *>(QStringLiteral("Draw3D1"));
    for (const LabelSpec &spec : labels) {
        auto *label = new QLabel(tr(spec.text), panel);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setGeometry(scaled(spec.geometry));
        label->setWordWrap(true);
        label->setStyleSheet(QString::fromLatin1(spec.look));
        QFont font = boldFont(this->font());
        if (spec.pointSize)
            font.setPointSizeF(this->font().pointSizeF() * spec.pointSize / designPointSize);
        font.setUnderline(spec.underline);
        label->setFont(font);
        label->setAlignment((spec.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        fitToLabel(label);
    }
    m_label2 = panel->findChild<QLabel *>(QStringLiteral("Label2"));
    m_label3 = panel->findChild<QLabel *>(QStringLiteral("Label3"));
    m_label8 = panel->findChild<QLabel *>(QStringLiteral("Label8"));
    for (QLabel *hidden : {m_label2, m_label3, m_label8})
        hidden->hide();

    // Lines that the dialog shows only while they have something to say.
    const auto noteLine = [&](const char *name, QRect geometry, bool wrap, const char *style) {
        auto *line = new QLabel(panel);
        line->setObjectName(QLatin1String(name));
        line->setGeometry(scaled(geometry));
        line->setWordWrap(wrap);
        line->setFont(boldFont(font()));
        line->setStyleSheet(QLatin1String(style));
        line->hide();
        return line;
    };
    // Below the grid: the courses whose groups will get the same codes, and
    // why a cell refused what was typed.
    m_collisionLine = noteLine("LabelColision", {7, 447, 448, 28}, true,
                               "color: #800000; background-color: rgb(255, 200, 110);");
    m_refusedLine = noteLine("LabelAviso", {7, 477, 448, 16}, false, "color: #000080; background-color: #ffffff;");
    // Beside "Sugerir", what its last click could not propose; it stays
    // while the user completes those courses.
    m_suggestionLine
        = noteLine("LabelSugerir", {459, 27, 215, 28}, true, "color: #000080; background-color: #ffffff;");
}

// Shows what the dialog's logic now holds: rows, current row, the shown and
// hidden controls and the navigator's buttons that apply.
void ControlCursosWindow::sync()
{
    if (m_syncing)
        return;
    m_syncing = true;
    m_model->refresh();
    m_forcedExit->setVisible(m_dialog.isShown(Control::BitBtn2));
    m_label8->setVisible(m_dialog.isShown(Control::Label8));
    m_label3->setVisible(m_dialog.isShown(Control::Label3));
    m_label2->setVisible(m_dialog.isShown(Control::Label2));
    const QString collisions = m_dialog.collisionLine();
    m_collisionLine->setText(collisions);
    m_collisionLine->setToolTip(collisions);
    m_collisionLine->setVisible(!collisions.isEmpty());
    m_suggest->setEnabled(m_dialog.wwDataSource1.isActive());
    m_suggestionLine->setText(m_dialog.suggestionLine());
    m_suggestionLine->setVisible(!m_dialog.suggestionLine().isEmpty());
    for (size_t i = 0; i < std::size(navigatorButtons); ++i)
        m_navigator[i]->setEnabled(m_dialog.wwDataSource1.canAct(navigatorButtons[i].action));
    const int row = m_dialog.wwDataSource1.currentRow();
    if (row >= 0) {
        const QModelIndex current = m_grid->currentIndex();
        const QModelIndex wanted = m_model->index(row, current.isValid() ? current.column() : CursosTableModel::ColNivel);
        if (current != wanted)
            m_grid->selectionModel()->setCurrentIndex(wanted, QItemSelectionModel::ClearAndSelect);
    }
    m_syncing = false;
}

// The cell keeps what it had; the user reads why, beside the cell and below the
// grid, naming the column by the title the user sees over it.
void ControlCursosWindow::showTextRefused(int column)
{
    const QString word = QCoreApplication::translate("ControlCursosWindow", "%1 admite %2 caracteres")
                             .arg(CursosTableModel::title(column))
                             .arg(CursosTableModel::widthInCharacters(column));
    m_refusedLine->setText(word);
    m_refusedLine->show();
    const QRect cell = m_grid->visualRect(m_grid->currentIndex());
    QToolTip::showText(m_grid->viewport()->mapToGlobal(cell.bottomLeft()), word, m_grid->viewport(), cell);
}

void ControlCursosWindow::onFocusChanged(QWidget *now)
{
    // Focus that goes to a message box and comes back never left the grid.
    if (!now || now->window() != this)
        return;
    if (now == m_grid || m_grid->isAncestorOf(now)) {
        m_dialog.enterGrid();
    } else {
        // On a screen too small for the dialog, the control reached by Tab scrolls into view.
        m_scrollArea->ensureWidgetVisible(now);
        m_grid->commitOpenEditor();
        m_dialog.leaveGrid();
    }
}

void ControlCursosWindow::onCurrentChanged(const QModelIndex &current)
{
    if (!current.isValid())
        return;
    const bool columnEntered = m_column >= 0 && current.column() != m_column && !m_syncing;
    m_column = current.column();
    // A word about a refused text concerns the cell it was typed into.
    m_refusedLine->hide();
    if (!m_syncing && current.row() != m_dialog.wwDataSource1.currentRow())
        m_dialog.guarded([&] { m_dialog.wwDataSource1.moveTo(current.row()); });
    if (columnEntered)
        m_dialog.CursosTDBGridColEnter();
}

void ControlCursosWindow::pressOk()
{
    m_grid->commitOpenEditor();
    m_dialog.pressOk();
    accept();
}

void ControlCursosWindow::pressForcedExit()
{
    m_grid->commitOpenEditor();
    m_dialog.pressForcedExit();
    if (m_dialog.ending() != Ending::Open)
        QDialog::reject();
}

// The close box and Escape: what is being typed counts, and a blank level or
// course fails the pass as OK does.
void ControlCursosWindow::reject()
{
    m_grid->commitOpenEditor();
    m_dialog.closeOtherwise();
    QDialog::reject();
}

void showControlCursosModal(TControlCursos &dialog, QWidget *owner)
{
    ControlCursosWindow window(dialog, owner);
    window.run();
}
