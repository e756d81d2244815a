#include "app/TMForm.h"

#include "app/GradientPanel.h"
#include "app/Help.h"
#include "run/HandlerBoundary.h"
#include "import/ImportInteraction.h"
#include "export/TimetableExport.h"
#include "import/CentreImport.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

using centre_import::BExportarClick;
using timetable_export::BImportarClick;

namespace {
// The window, its panels and its buttons all lead to the same help topic.
constexpr int helpContext = 1;

template <typename T> T *component(const QString &name, T *widget)
{
    widget->setObjectName(name);
    widget->setProperty("helpContext", helpContext);
    return widget;
}

QLabel *label(const QString &name, const QString &text, QWidget *parent, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont font = l->font();
    font.setBold(true);
    l->setFont(font);
    l->setGeometry(geometry);
    return l;
}

// A direction's caption: large, wrapped over its panel.
QLabel *caption(const QString &name, const QString &text, QWidget *parent, const QRect &geometry)
{
    QLabel *l = label(name, text, parent, geometry);
    QFont font = l->font();
    font.setPointSize(16);
    l->setFont(font);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// The program's name and version in red on the bottom band. It wraps rather
// than lose its end where a language or a font makes it longer than the room
// left of the buttons.
QLabel *signature(const QString &name, const QString &text, QWidget *parent, const QRect &geometry)
{
    QLabel *l = label(name, text, parent, geometry);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    l->setPalette(palette);
    return l;
}

// The style's own focus mark is a thin outline in the highlight colour, which
// vanishes on the blue panel: the focused button turns into a light plate with
// a black frame, which stands out on every panel. Return and Enter press the
// focused button, as in a dialog.
const QString focusedButtonStyle = QStringLiteral(
    "QPushButton:focus { border: 2px solid #000000; border-radius: 3px; background-color: #ffffc0; }");

QPushButton *button(const QString &name, const QString &text, QWidget *parent, const QRect &geometry)
{
    auto *b = component(name, new QPushButton(text, parent));
    b->setGeometry(geometry);
    b->setStyleSheet(focusedButtonStyle);
    b->setAutoDefault(true);
    return b;
}

QPushButton *buttonWithGlyph(const QString &name, const QString &text, QStyle::StandardPixmap glyph,
                             QWidget *parent, const QRect &geometry)
{
    QPushButton *b = button(name, text, parent, geometry);
    b->setIcon(parent->style()->standardIcon(glyph));
    return b;
}
} // namespace

TMForm::TMForm(centre_import::ImportInteraction &ui, const QStringList &parameters, const QString &resultFile)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
    , m_ui(ui)
    , m_parameters(parameters)
    , m_resultFile(resultFile)
{
    // The program ends when this window says so, not when its last window
    // closes: see closeMainWindow and runEventHandler.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    setObjectName(QStringLiteral("MForm"));
    setProperty("helpContext", helpContext);
    setWindowTitle(tr("Exportar e importar datos entre Velarix y GestIB"));
    setFixedSize(632, 266);

    Draw3D1
        = component(QStringLiteral("Draw3D1"), new GradientPanel(QColor(255, 255, 255), QColor(128, 128, 160), this));
    Draw3D1->setGeometry(0, 192, 632, 74);
    Draw3D2 = component(QStringLiteral("Draw3D2"), new GradientPanel(QColor(200, 220, 255), QColor(0, 64, 160), this));
    Draw3D2->setGeometry(0, 0, 316, 192);
    BExportar = buttonWithGlyph(QStringLiteral("BExportar"), QStringLiteral("OK"), QStyle::SP_DialogApplyButton,
                                Draw3D2, QRect(108, 134, 100, 34));
    BClose = buttonWithGlyph(QStringLiteral("BClose"), tr("&Salir"), QStyle::SP_DialogCloseButton, Draw3D1,
                             QRect(266, 6, 100, 30));
    Label3 = caption(QStringLiteral("Label3"), tr("Transformar datos desde GestIB hacia Velarix "), Draw3D2,
                     QRect(16, 16, 284, 104));
    Draw3D3 = component(QStringLiteral("Draw3D3"), new GradientPanel(QColor(255, 230, 200), QColor(160, 64, 0), this));
    Draw3D3->setGeometry(316, 0, 316, 192);
    Label4 = caption(QStringLiteral("Label4"), tr("Transformar datos desde Velarix hacia GestIB"), Draw3D3,
                     QRect(16, 16, 284, 104));
    BImportar = buttonWithGlyph(QStringLiteral("BImportar"), QStringLiteral("OK"), QStyle::SP_DialogApplyButton,
                                Draw3D3, QRect(108, 134, 100, 34));
    Label1 = signature(QStringLiteral("Label1"), tr("TransVelarixGestIB para VX18 V-1.0"), Draw3D1,
                       QRect(8, 4, 252, 66));
    Button1 = button(QStringLiteral("Button1"), tr("F1 AYUDA"), Draw3D1, QRect(266, 40, 100, 28));
    // Both run buttons stay off after a run for the rest of the process; the
    // band says why, and what to do instead.
    finishedNote = label(QStringLiteral("finishedNote"),
                         tr("Para otra transformación, cierre y vuelva a abrir el programa."), Draw3D1,
                         QRect(376, 4, 248, 66));
    finishedNote->setWordWrap(true);
    finishedNote->setAlignment(Qt::AlignCenter);
    finishedNote->hide();

    connect(BExportar, &QPushButton::clicked, this, [this] { BExportarClick(); });
    connect(BImportar, &QPushButton::clicked, this, [this] { BImportarClick(); });
    connect(BClose, &QPushButton::clicked, this, &QWidget::close);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, [this] { Button1Click(); });

    m_ui.setMainWindowClose([this] { closeMainWindow(); });
    FormCreate(m_state, m_parameters);
}

TMForm::~TMForm()
{
    m_ui.setMainWindowClose({});
}

void TMForm::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        m_closed = false;
        runEventHandler([this] { FormShow(m_state, m_ui, m_parameters, m_resultFile); });
        if (m_closed)
            return;
        centreOnScreen();
    }
    QWidget::setVisible(visible);
}

void TMForm::closeMainWindow()
{
    // Qt sends no close event to a window it has already hidden (a run that
    // closes twice), and a driven run closes the window before it has
    // appeared; either way the close must still write the outcome.
    if (isVisible())
        close();
    else
        acceptClose();
}

void TMForm::closeEvent(QCloseEvent *event)
{
    acceptClose();
    event->accept();
}

void TMForm::acceptClose()
{
    // A result file that cannot be written is reported, and the window closes
    // all the same: otherwise nothing could close it, and a timetabling
    // program waiting for the converter would wait for ever.
    if (!runHandler(m_ui, [this] { FormClose(m_state, m_resultFile); }))
        m_exitStatus = resultNotWritten;
    m_closed = true;
    if (m_handlerDepth == 0)
        QCoreApplication::quit();
    else
        m_quitPending = true;
}

void TMForm::BExportarClick()
{
    runEventHandler([this] { ::BExportarClick(m_state, m_ui); });
}

void TMForm::BImportarClick()
{
    runEventHandler([this] { ::BImportarClick(m_state, m_ui); });
}

void TMForm::Button1Click()
{
    runEventHandler([this] { showHelp(m_ui); });
}

void TMForm::runEventHandler(const std::function<void()> &handler)
{
    ++m_handlerDepth;
    runHandler(m_ui, handler);
    --m_handlerDepth;
    BExportar->setEnabled(m_state.runButtonsEnabled);
    BImportar->setEnabled(m_state.runButtonsEnabled);
    finishedNote->setVisible(!m_state.runButtonsEnabled);
    if (m_handlerDepth == 0 && m_quitPending) {
        m_quitPending = false;
        QCoreApplication::quit();
    }
}

void TMForm::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
