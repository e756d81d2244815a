#include "app/SummaryWindow.h"

#include "app/SystemViewer.h"

#include "run/RunLog.h"
#include "run/RunSummary.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

SummaryWindow::SummaryWindow(const QString &caption, const QString &text, const RunSummary &summary,
                             QWidget *parent)
    : QDialog(parent)
    , m_icon(summary.warnings().isEmpty() ? QMessageBox::NoIcon : QMessageBox::Warning)
    , m_text(text)
    , m_details(new QPlainTextEdit(this))
    , m_copy(new QPushButton(tr("Copiar"), this))
    , m_openLog(new QPushButton(tr("Abrir registro"), this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok, this))
{
    setWindowTitle(caption);
    setSizeGripEnabled(true);

    auto *message = new QHBoxLayout;
    if (m_icon == QMessageBox::Warning) {
        auto *iconLabel = new QLabel(this);
        const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconLabel->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(side, side));
        message->addWidget(iconLabel);
    }
    auto *textLabel = new QLabel(text, this);
    textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message->addWidget(textLabel, 1);

    const QStringList details = summary.details();
    m_details->setReadOnly(true);
    m_details->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_details->setPlainText(details.join(QLatin1Char('\n')));
    m_details->setMinimumSize(areaSize(minimumColumns, minimumLines));

    QDialogButtonBox *buttons = m_buttons;
    buttons->addButton(m_copy, QDialogButtonBox::ActionRole);
    buttons->addButton(m_openLog, QDialogButtonBox::ActionRole);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    m_copy->setAutoDefault(false);
    m_openLog->setAutoDefault(false);
    // A log that could not be written has nothing to open.
    m_openLog->setEnabled(QFileInfo::exists(runLogPath(winpath::WorkingFolder())));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(wholeText()); });
    connect(m_openLog, &QPushButton::clicked, this, &SummaryWindow::openLog);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addWidget(m_details, 1);
    layout->addWidget(buttons);
    fitToDetails(details);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
}

QMessageBox::Icon SummaryWindow::icon() const
{
    return m_icon;
}

QString SummaryWindow::text() const
{
    return m_text;
}

QPlainTextEdit *SummaryWindow::detailsArea() const
{
    return m_details;
}

QPushButton *SummaryWindow::copyButton() const
{
    return m_copy;
}

QPushButton *SummaryWindow::openLogButton() const
{
    return m_openLog;
}

void SummaryWindow::offerUndo(std::function<bool()> undo)
{
    if (m_undo)
        return;
    m_undo = new QPushButton(tr("Deshacer esta importación"), this);
    m_undo->setAutoDefault(false);
    m_buttons->addButton(m_undo, QDialogButtonBox::ActionRole);
    connect(m_undo, &QPushButton::clicked, this, [this, undo = std::move(undo)] {
        if (undo())
            accept();
    });
}

QPushButton *SummaryWindow::undoButton() const
{
    return m_undo;
}

QString SummaryWindow::wholeText() const
{
    return m_text + QStringLiteral("\n\n") + m_details->toPlainText() + QLatin1Char('\n');
}

void SummaryWindow::openLog()
{
    // The window's runs work on the usual working folder.
    const QString log = runLogPath(winpath::WorkingFolder());
    SystemViewer::open(QUrl::fromLocalFile(log), this, [this, log] {
        QMessageBox::warning(this, windowTitle(),
                             tr("No se puede abrir el registro %1: ningún programa del sistema abre este "
                                "tipo de archivo.")
                                 .arg(QDir::toNativeSeparators(log)));
    });
}

QSize SummaryWindow::areaSize(int columns, int lines) const
{
    const QFontMetrics metrics(m_details->font());
    // The frame, the document's margin and a vertical scroll bar around the text.
    const int margins = 2 * (m_details->frameWidth() + static_cast<int>(m_details->document()->documentMargin()));
    const int scrollBar = m_details->verticalScrollBar()->sizeHint().width();
    return {metrics.horizontalAdvance(QString(columns, QLatin1Char('0'))) + margins + scrollBar,
            metrics.lineSpacing() * lines + margins};
}

void SummaryWindow::fitToDetails(const QStringList &details)
{
    qsizetype longest = 0;
    for (const QString &line : details)
        longest = std::max(longest, line.size());
    const QSize wanted = areaSize(static_cast<int>(std::max<qsizetype>(minimumColumns, longest)),
                                  static_cast<int>(std::max<qsizetype>(minimumLines, details.size() + 1)));
    const QSize extra = sizeHint() - m_details->sizeHint().expandedTo(m_details->minimumSize());
    QSize size = wanted + extra;
    if (const QScreen *shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(size.expandedTo(minimumSizeHint()));
}
