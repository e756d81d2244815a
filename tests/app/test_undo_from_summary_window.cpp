// "Deshacer esta importación" in the real summary window, on the offscreen
// platform, through the Qt interaction: the question, the restore's own
// summary window, the error report, each answered as a user would.
#include "app/QtInteraction.h"
#include "app/SummaryWindow.h"
#include "run/MainFormState.h"
#include "import/CentreImport.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FinishedImport.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

const QString runLogName = QStringLiteral("TransTarquoIB.log");



// Acts on the next modal window that `matches`, once it is up. Each call has
// its own timer, so an action may open a window that a later call answers.
void whenUp(std::function<bool(QWidget *)> matches, std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, matches = std::move(matches), act = std::move(act)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !matches(modal)) {
            if (++*waited > 2000) {
                timer->stop();
                timer->deleteLater();
                ADD_FAILURE() << "the awaited window never came up";
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

bool isMessageBox(QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; }

std::function<bool(QWidget *)> isSummaryWindowOtherThan(const QWidget *const *other)
{
    return [other](QWidget *w) { return qobject_cast<SummaryWindow *>(w) && w != *other; };
}

void pressOk(QWidget *window)
{
    window->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

// What the user saw after pressing "Deshacer esta importación".
struct Seen {
    QString questionCaption, questionText;
    QMessageBox::Icon questionIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButton questionDefault = QMessageBox::NoButton;
    QString restoreText;
    QStringList restoreDetails;
    QString errorText;
    bool importWindowOpenAfterwards = false;
};

class UndoFromSummaryWindow : public testing::Test {
protected:
    static void SetUpTestSuite() { qtTestApp(); }
    void SetUp() override
    {
        importFinished(centreFixture(QStringLiteral("centre-escola.xml")));
        first = workingSetBytes(prefix.vtemp());
        second = importFinished(centreFixture(QStringLiteral("centre-escola-seguent.xml")));
        ASSERT_FALSE(second.backup.isEmpty());
    }

    // Shows the second import's summary, presses "Deshacer esta importación",
    // answers the question with `answer`, and then presses OK in every window
    // that follows (the restore's summary or an error report) and, if it is
    // still open, in the import's.
    Seen undo(QMessageBox::StandardButton answer)
    {
        Seen seen;
        QWidget *importWindow = nullptr;
        whenUp([](QWidget *w) { return qobject_cast<SummaryWindow *>(w) != nullptr; }, [&](QWidget *w) {
            importWindow = w;
            auto *window = static_cast<SummaryWindow *>(w);
            whenUp(isMessageBox, [&, answer](QWidget *q) {
                auto *box = static_cast<QMessageBox *>(q);
                seen.questionCaption = box->windowTitle();
                seen.questionText = box->text();
                seen.questionIcon = box->icon();
                seen.questionDefault = box->standardButton(box->defaultButton());
                if (answer == QMessageBox::Yes) {
                    whenUp(
                        [&](QWidget *next) { return isMessageBox(next) || isSummaryWindowOtherThan(&importWindow)(next); },
                        [&](QWidget *next) {
                            if (auto *error = qobject_cast<QMessageBox *>(next)) {
                                seen.errorText = error->text();
                                error->button(QMessageBox::Ok)->click();
                                return;
                            }
                            auto *restore = static_cast<SummaryWindow *>(next);
                            seen.restoreText = restore->text();
                            seen.restoreDetails = restore->detailsArea()->toPlainText().split(u'\n');
                            EXPECT_EQ(restore->undoButton(), nullptr) << "a restore offers no undo of its own";
                            pressOk(restore);
                        });
                }
                box->button(answer)->click();
            });
            ASSERT_NE(window->undoButton(), nullptr);
            EXPECT_EQ(window->undoButton()->text(), QStringLiteral("Deshacer esta importación"));
            window->undoButton()->click();
            seen.importWindowOpenAfterwards = window->isVisible();
            if (window->isVisible())
                pressOk(window);
        });
        ui.showSummary(second.finishedText(), second);
        return seen;
    }

    TempWinePrefix prefix;
    QtInteraction ui;
    QMap<QString, QByteArray> first;
    ImportSummary second;
};

} // namespace

TEST_F(UndoFromSummaryWindow, YesRestoresTheFirstSetByteForByteAndLogsIt)
{
    const QString backupName = second.backup.section(QLatin1Char('\\'), -1);

    const Seen seen = undo(QMessageBox::Yes);

    EXPECT_EQ(seen.questionCaption, QStringLiteral("Deshacer esta importación"));
    EXPECT_EQ(seen.questionText, QStringLiteral("¿Deshacer esta importación y volver a poner las tablas de la copia "
                                                "%1 (ESC0001 2024)? Las tablas de ahora quedarán a su vez en otra copia.")
                                     .arg(backupName));
    EXPECT_EQ(seen.questionIcon, QMessageBox::Warning);
    EXPECT_EQ(seen.questionDefault, QMessageBox::No);
    EXPECT_EQ(seen.errorText, QString());
    EXPECT_EQ(seen.restoreText, QStringLiteral("Proceso finalizado"));
    ASSERT_FALSE(seen.restoreDetails.isEmpty());
    EXPECT_EQ(seen.restoreDetails.first(), QStringLiteral("Copia restaurada: %1 (ESC0001 2024)").arg(second.backup));
    EXPECT_TRUE(seen.restoreDetails.last().startsWith(QStringLiteral("Copia de las tablas sustituidas: C:\\VTEMP\\Copias\\")));
    EXPECT_FALSE(seen.importWindowOpenAfterwards) << "the import's summary no longer describes the working tables";

    EXPECT_EQ(workingSetBytes(prefix.vtemp()), first) << "the first import's set is back, byte for byte";
    const QString log = QString::fromUtf8(readFileBytes(prefix.vtempFile(runLogName)));
    const qsizetype restore = log.lastIndexOf(QStringLiteral("  Restauración de una copia\r\n"));
    ASSERT_GT(restore, 0) << log.toStdString();
    for (const QString &line : seen.restoreDetails)
        EXPECT_GT(log.indexOf(QStringLiteral("  ") + line + QStringLiteral("\r\n"), restore), restore) << line.toStdString();
}

TEST_F(UndoFromSummaryWindow, NoChangesNothingAndLeavesTheSummaryOpen)
{
    const auto before = snapshotFolder(prefix.vtemp());

    const Seen seen = undo(QMessageBox::No);

    EXPECT_FALSE(seen.questionText.isEmpty());
    EXPECT_TRUE(seen.importWindowOpenAfterwards);
    EXPECT_EQ(seen.restoreText, QString());
    EXPECT_EQ(snapshotFolder(prefix.vtemp()), before) << "not even the log is written";
}

TEST_F(UndoFromSummaryWindow, AHeldTableIsReportedAndNothingChanges)
{
    const auto before = snapshotFolder(prefix.vtemp());
    const LockHolder holder(prefix.vtempFile(QStringLiteral("PROFT.DBF")), LockHolder::Kind::RecordExclusive);
    ASSERT_TRUE(holder.holding());

    const Seen seen = undo(QMessageBox::Yes);

    EXPECT_TRUE(seen.errorText.startsWith(QStringLiteral("La tabla PROFT está en uso por otro programa")))
        << seen.errorText.toStdString();
    EXPECT_EQ(seen.restoreText, QString());
    EXPECT_TRUE(seen.importWindowOpenAfterwards) << "the import still stands";
    EXPECT_EQ(snapshotFolder(prefix.vtemp()), before);
}

TEST_F(UndoFromSummaryWindow, AnImportThatReplacedNothingOffersNoUndo)
{
    TempWinePrefix empty;
    const ImportSummary onlyImport = importFinished(centreFixture(QStringLiteral("centre-escola.xml")));
    ASSERT_TRUE(onlyImport.backup.isEmpty());
    const std::unique_ptr<SummaryWindow> window = ui.summaryWindow(onlyImport.finishedText(), onlyImport);
    EXPECT_EQ(window->undoButton(), nullptr);
    const QStringList texts = [&] {
        QStringList out;
        for (const QPushButton *b : window->findChildren<QPushButton *>())
            out << b->text();
        return out;
    }();
    EXPECT_FALSE(texts.contains(QStringLiteral("Deshacer esta importación"))) << texts.join(u',').toStdString();

    const std::unique_ptr<SummaryWindow> withBackup = ui.summaryWindow(second.finishedText(), second);
    EXPECT_NE(withBackup->undoButton(), nullptr) << "while the one that did replace a set offers it";
}
