// The window that ends a finished run, on the offscreen platform: its icon,
// caption and first lines for a clean run and for each kind of warning, a
// details area a school's summary fits in, and its two buttons.
#include "app/QtInteraction.h"
#include "app/SummaryWindow.h"
#include "export/ExportSummary.h"
#include "import/ImportSummary.h"
#include "run/RunLog.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/TempWinePrefix.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace {

ImportSummary cleanImport()
{
    ImportSummary s;
    s.document = QStringLiteral("C:\\saga\\centre.xml");
    for (const char *table : {"ASIGNOMT", "PROFT", "AULAT", "CURSOST", "CURSOST2", "GRUPOST", "MATIB", "ASIGT"})
        s.tableRows.append({QLatin1String(table), 3});
    s.tableRows.append({QStringLiteral("DIASHORAST"), 0});
    return s;
}

struct WindowCase {
    const char *name;
    std::function<std::unique_ptr<RunSummary>()> summary;
    QString text;
    QMessageBox::Icon icon;
    QString firstLine;
};

std::unique_ptr<RunSummary> importWith(const std::function<void(ImportSummary &)> &change)
{
    auto s = std::make_unique<ImportSummary>(cleanImport());
    change(*s);
    return s;
}

const WindowCase windowCases[] = {
    {"clean", [] { return importWith([](ImportSummary &) {}); }, "Proceso finalizado", QMessageBox::NoIcon,
     "Documento: C:\\saga\\centre.xml"},
    {"course without level",
     [] { return importWith([](ImportSummary &s) { s.coursesWithoutLevel = {{"62", "1r ESO"}}; }); },
     "Proceso finalizado con 1 aviso", QMessageBox::Warning, "Aviso: 1 curso sin NIVEL o sin CURSO"},
    {"levels that collide",
     [] {
         return importWith([](ImportSummary &s) { s.levelCollisions = {{{"67", "2n batx."}, {"66", "1r Batx."}, "BCT1"}}; });
     },
     "Proceso finalizado con 1 aviso", QMessageBox::Warning, "Aviso: 1 curso con los mismos 5 primeros caracteres"},
    {"short codes changed",
     [] {
         return importWith([](ImportSummary &s) {
             s.addShortCodeChanges("PROFT", {{{}, "PONS", "PONS1"}});
             s.addShortCodeChanges("AULAT", {{{}, "A1", "A11"}});
         });
     },
     "Proceso finalizado con 2 avisos", QMessageBox::Warning, "Aviso: PROFT (profesores): 1 abreviatura"},
    {"no rooms",
     [] {
         return importWith([](ImportSummary &s) { s.tableRows[2].rows = 0; });
     },
     "Proceso finalizado con 1 aviso", QMessageBox::Warning, "Aviso: AULAT (aulas): 0, el documento no trae aulas"},
    {"sessions without group",
     [] {
         auto s = std::make_unique<ExportSummary>();
         s->sessionsWritten = 41;
         for (int i = 0; i < 41; ++i)
             s->noteUnmatched(ExportSummary::Lookup::Grupo, QStringLiteral("G%1").arg(i % 3));
         return std::unique_ptr<RunSummary>(std::move(s));
     },
     "Proceso finalizado con 1 aviso", QMessageBox::Warning, "Aviso: 41 sesiones cuyo grupo (CODGRUPO) no está"},
    {"timetable emptied",
     [] {
         auto s = std::make_unique<ExportSummary>();
         s->earlierSessions = 812;
         return std::unique_ptr<RunSummary>(std::move(s));
     },
     "Proceso finalizado con 1 aviso", QMessageBox::Warning,
     "Aviso: No se ha escrito ninguna sesión y el SolucioHorari.xml anterior, que tenía 812 sesiones"},
};

class SummaryWindows : public testing::TestWithParam<WindowCase> {
protected:
    static void SetUpTestSuite() { qtTestApp(); }
    TempWinePrefix prefix;
    QtInteraction ui;
};

// Receives the URLs QDesktopServices would hand to the system.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

TEST_P(SummaryWindows, ShowIconCaptionAndWarningsFirst)
{
    const WindowCase &c = GetParam();
    const std::unique_ptr<RunSummary> summary = c.summary();
    const std::unique_ptr<SummaryWindow> window = ui.summaryWindow(summary->finishedText(), *summary);
    window->show();

    EXPECT_EQ(window->windowTitle(), QStringLiteral("TransTarquoIB"));
    EXPECT_EQ(window->text(), c.text);
    EXPECT_EQ(window->icon(), c.icon);
    const QStringList lines = window->detailsArea()->toPlainText().split(u'\n');
    EXPECT_TRUE(lines.constFirst().startsWith(c.firstLine)) << lines.constFirst().toStdString();
    EXPECT_EQ(lines, summary->details());
    EXPECT_TRUE(window->detailsArea()->isReadOnly());
}

INSTANTIATE_TEST_SUITE_P(Cases, SummaryWindows, testing::ValuesIn(windowCases),
                         [](const testing::TestParamInfo<WindowCase> &info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

class SummaryWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() { qtTestApp(); }
    TempWinePrefix prefix;
    QtInteraction ui;
};

// At least 70 columns and 20 lines of its font, and the window can be made larger.
TEST_F(SummaryWindowTest, DetailsAreReadableAndTheWindowResizable)
{
    const std::unique_ptr<RunSummary> summary = importWith([](ImportSummary &) {});
    const std::unique_ptr<SummaryWindow> window = ui.summaryWindow(summary->finishedText(), *summary);
    window->show();
    QApplication::processEvents();

    const QPlainTextEdit *area = window->detailsArea();
    const QFontMetrics metrics(area->font());
    // The document's margin lies inside the viewport, around the text.
    const int margins = 2 * static_cast<int>(area->document()->documentMargin());
    EXPECT_GE(area->viewport()->width(), metrics.horizontalAdvance(QString(70, u'0')) + margins);
    EXPECT_GE(area->viewport()->height(), metrics.lineSpacing() * 20 + margins);
    EXPECT_TRUE(window->isSizeGripEnabled());
    EXPECT_LT(window->minimumSize().width(), window->maximumSize().width());
    EXPECT_LT(window->minimumSize().height(), window->maximumSize().height());
}

// "Copiar" copies the message and every line of the details; "Abrir
// registro" hands the run log to the system, and stays off without a log.
TEST_F(SummaryWindowTest, CopiesTheWholeTextAndOpensTheLog)
{
    auto summary = std::make_unique<ExportSummary>();
    summary->sessionsWritten = 2;
    summary->noteUnmatched(ExportSummary::Lookup::Aula, QStringLiteral("B99"));

    std::unique_ptr<SummaryWindow> window = ui.summaryWindow(summary->finishedText(), *summary);
    EXPECT_FALSE(window->openLogButton()->isEnabled()) << "no log written yet";
    EXPECT_EQ(window->copyButton()->text(), QStringLiteral("Copiar"));
    EXPECT_EQ(window->openLogButton()->text(), QStringLiteral("Abrir registro"));

    ASSERT_EQ(appendToRunLog(winpath::WorkingFolder(), *summary, QDateTime::currentDateTime()), QString());
    window = ui.summaryWindow(summary->finishedText(), *summary);
    window->show();

    window->copyButton()->click();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Proceso finalizado con 1 aviso\n\nAviso: 1 sesión cuya aula")));
    for (const QString &line : summary->lines())
        EXPECT_TRUE(copied.contains(line)) << line.toStdString();
    EXPECT_TRUE(window->isVisible()) << "copying does not close the window";

    OpenedUrls opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    ASSERT_TRUE(window->openLogButton()->isEnabled());
    window->openLogButton()->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(QDir(opened.urls.constFirst().toLocalFile()).canonicalPath(),
              QDir(prefix.vtempFile(QStringLiteral("TransTarquoIB.log"))).canonicalPath());
    EXPECT_TRUE(window->isVisible());
}

// Shown by the interaction as a modal window that OK ends.
TEST_F(SummaryWindowTest, TheInteractionWaitsForOk)
{
    const std::unique_ptr<RunSummary> summary = importWith([](ImportSummary &s) { s.tableRows[1].rows = 0; });
    QString seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    bool okIsDefault = false;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<SummaryWindow *>(QApplication::activeModalWidget());
        if (!window)
            return ADD_FAILURE() << "no summary window is up";
        seenText = window->text();
        seenIcon = window->icon();
        QPushButton *ok = window->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        okIsDefault = ok->isDefault();
        ok->click();
    });

    ui.showSummary(summary->finishedText(), *summary);

    EXPECT_EQ(seenText, QStringLiteral("Proceso finalizado con 1 aviso"));
    EXPECT_EQ(seenIcon, QMessageBox::Warning);
    EXPECT_TRUE(okIsDefault);
}

#include "test_summary_window.moc"
