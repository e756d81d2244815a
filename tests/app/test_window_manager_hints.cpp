#include "app/ApplicationIcon.h"
#include "app/Cursos/ControlCursosWindow.h"
#include "app/NoMinimiseFilter.h"
#include "import/Cursos/TControlCursos.h"
#include "run/MainFormState.h"
#include "tests/app/ProgramProcess.h"
#include "tests/import/Cursos/CursosTables.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

#include <gtest/gtest.h>

// The fixed windows, the main window and the level and course dialog, as a
// real window manager sees them on a virtual X server: hints that offer
// neither minimise nor maximise, a minimum size equal to the maximum, our
// icon, and, since openbox offers minimise on every window whatever its
// hints, a minimise that the window undoes at once. Skipped where Xvfb,
// openbox, xprop or xdotool is not installed.

namespace {

// Every wait is bounded: a window manager that never answers fails the test
// instead of hanging it. The servers run under `timeout`, so that a test
// that dies leaves nothing running for long.
constexpr int waitMs = 10000;
const QStringList tools = {QStringLiteral("Xvfb"), QStringLiteral("openbox"), QStringLiteral("xprop"),
                           QStringLiteral("xdotool"), QStringLiteral("timeout")};

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

class XSession {
public:
    ~XSession()
    {
        stop(m_windowManager);
        stop(m_server);
    }

    // Starts the server and the window manager; the reason when it could not.
    QString start()
    {
        for (const QString &tool : tools)
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return QStringLiteral("%1 is not installed").arg(tool);
        // -displayfd: the server takes the first free display and names it.
        m_server.start(QStringLiteral("timeout"), {QStringLiteral("600"), QStringLiteral("Xvfb"), QStringLiteral("-displayfd"),
                                                   QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                                                   QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                                                   QStringLiteral("tcp")});
        const QDeadlineTimer deadline(waitMs);
        while (!m_server.canReadLine() && !deadline.hasExpired() && m_server.state() != QProcess::NotRunning)
            m_server.waitForReadyRead(100);
        const QString number = QString::fromLatin1(m_server.readLine()).trimmed();
        if (number.isEmpty())
            return QStringLiteral("Xvfb did not start");
        m_display = QLatin1Char(':') + number;

        m_windowManager.setProcessEnvironment(environment());
        m_windowManager.start(QStringLiteral("timeout"), {QStringLiteral("600"), QStringLiteral("openbox"),
                                                          QStringLiteral("--sm-disable")});
        while (!xprop({QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")}).contains(QLatin1String("window id"))) {
            if (deadline.hasExpired())
                return QStringLiteral("openbox did not start");
            QTest::qSleep(100);
        }
        return {};
    }

    QString display() const { return m_display; }

    QProcessEnvironment environment() const
    {
        return program::environmentWith({{QStringLiteral("DISPLAY"), m_display},
                                         {QStringLiteral("WAYLAND_DISPLAY"), {}},
                                         {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")}});
    }

    QString xprop(const QStringList &arguments) const { return runTool(QStringLiteral("xprop"), arguments); }
    QString xdotool(const QStringList &arguments) const { return runTool(QStringLiteral("xdotool"), arguments); }

private:
    QString runTool(const QString &tool, const QStringList &arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral("timeout"), QStringList{QString::number(waitMs / 1000), tool} + arguments);
        process.waitForFinished(waitMs + 5000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QProcess m_server;
    QProcess m_windowManager;
    QString m_display;
};

XSession *session = nullptr;
QString skipReason;

// Waits, handling this program's own events meanwhile, until `done` holds.
bool waitFor(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(waitMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(100);
    }
    return true;
}

// The numbers of a property that xprop prints as a list ("= 0x3, 0x26, ...").
QList<uint> numbers(const QString &property)
{
    QList<uint> values;
    const QString list = property.section(QLatin1Char('='), 1);
    for (const QString &item : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        values.append(item.trimmed().toUInt(nullptr, 0));
    return values;
}

// What the window manager was told and what it made of it.
void expectFixedWindow(const QString &id, const QSize &size)
{
    // The Motif hints: functions and decorations given, neither with minimise
    // or maximise.
    const QList<uint> motif = numbers(session->xprop({QStringLiteral("-id"), id, QStringLiteral("_MOTIF_WM_HINTS")}));
    ASSERT_GE(motif.size(), 3);
    constexpr uint functionsGiven = 0x1, decorationsGiven = 0x2;
    constexpr uint functionMinimise = 0x8, functionMaximise = 0x10, functionAll = 0x1;
    constexpr uint decorationMinimise = 0x20, decorationMaximise = 0x40, decorationAll = 0x1;
    EXPECT_EQ(motif[0] & (functionsGiven | decorationsGiven), functionsGiven | decorationsGiven);
    EXPECT_EQ(motif[1] & (functionAll | functionMinimise | functionMaximise), 0u) << motif[1];
    EXPECT_EQ(motif[2] & (decorationAll | decorationMinimise | decorationMaximise), 0u) << motif[2];

    const QString normalHints = session->xprop({QStringLiteral("-id"), id, QStringLiteral("WM_NORMAL_HINTS")});
    const QString fixed = QStringLiteral("%1 by %2").arg(size.width()).arg(size.height());
    EXPECT_TRUE(normalHints.contains(QStringLiteral("minimum size: ") + fixed)) << normalHints.toStdString();
    EXPECT_TRUE(normalHints.contains(QStringLiteral("maximum size: ") + fixed)) << normalHints.toStdString();

    // What the window manager allows, once it has taken the window in.
    QString allowed;
    ASSERT_TRUE(waitFor([&] {
        allowed = session->xprop({QStringLiteral("-id"), id, QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
        return allowed.contains(QLatin1String("_NET_WM_ACTION_CLOSE"));
    })) << allowed.toStdString();
    for (const char *action : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"})
        EXPECT_FALSE(allowed.contains(QLatin1String(action))) << action;

    const QString icon = session->xprop({QStringLiteral("-id"), id, QStringLiteral("_NET_WM_ICON")});
    for (const char *iconSize : {"Icon (16 x 16)", "Icon (32 x 32)", "Icon (48 x 48)"})
        EXPECT_TRUE(icon.contains(QLatin1String(iconSize))) << iconSize;

    // Minimised all the same, by the window manager, it comes back at once.
    const auto state = [&] { return session->xprop({QStringLiteral("-id"), id, QStringLiteral("WM_STATE")}); };
    session->xdotool({QStringLiteral("windowminimize"), id});
    EXPECT_TRUE(waitFor([&] { return state().contains(QLatin1String("window state: Normal")); })) << state().toStdString();
}

class WindowManagerHints : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
#if defined(__SANITIZE_ADDRESS__) || (defined(__has_feature) && __has_feature(address_sanitizer))
        // libxkbcommon-x11 hands strndup names that are not NUL-terminated,
        // which AddressSanitizer's strict string checks report as an
        // overflow inside the system's X11 libraries, not ours.
        skipReason = QStringLiteral("the X11 client libraries trip AddressSanitizer's strict string checks");
        return;
#endif
        session = new XSession;
        skipReason = session->start();
        if (!skipReason.isEmpty())
            return;
        // This program's own windows go to the same display.
        qputenv("DISPLAY", session->display().toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("WAYLAND_DISPLAY");
        qtTestApp();
        setApplicationIcon();
        NoMinimiseFilter::install();
    }
    static void TearDownTestSuite()
    {
        delete session;
        session = nullptr;
    }
    void SetUp() override
    {
        if (!skipReason.isEmpty())
            GTEST_SKIP() << skipReason.toStdString();
    }
};

} // namespace

TEST_F(WindowManagerHints, MainWindowOfTheProgram)
{
    TempWinePrefix wine;
    QProcess converter;
    QProcessEnvironment environment = session->environment();
    environment.insert(QStringLiteral("WINEPREFIX"), wine.prefix());
    converter.setProcessEnvironment(environment);
    converter.start(QStringLiteral(TRANSTARQUOIB), QStringList());
    QString id;
    ASSERT_TRUE(waitFor([&] {
        id = session->xdotool({QStringLiteral("search"), QStringLiteral("--name"),
                               QStringLiteral("^Exportar e importar datos entre Velarix y GestIB$")})
                 .trimmed();
        return !id.isEmpty();
    })) << "the main window did not appear";

    expectFixedWindow(id, QSize(632, 266));

    stop(converter);
}

TEST_F(WindowManagerHints, LevelAndCourseDialog)
{
    TempWinePrefix wine;
    MainFormState form;
    ScriptedInteraction user;
    writeCursosTable(QStringLiteral("CURSOST.DBF"), {{"101", "1r ESO", "", ""}});
    centre_import::TControlCursos cursos(form.result, user, form.workingFolder);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("ControlCursos") && window->isVisible()) {
                expectFixedWindow(QString::number(window->winId()), window->size());
                checked = true;
                window->close();
            }
        }
    });
    showControlCursosModal(cursos, nullptr);
    EXPECT_TRUE(checked);
}
