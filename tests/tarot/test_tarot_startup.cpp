// The start-up frame and the tray: the start-up entry read at load and written by the
// options, the tray tick stored, and a run started with "/STARTUP" that opens the tarot
// window in the tray, with the icon's clicks and menu.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include "courses/tarot/frmLearnTarotMain.h"
#include "fake_tray_icon.h"
#include "platform/command_line.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "shell/main_window.h"
#include "tarot_environment.h"
#include "tarot_window.h"
#include "test_registry.h"

using namespace tarot_window;

namespace {

const QByteArray ElsewhereEntry = "[Desktop Entry]\nType=Application\nName=Old\nExec=\"/old/place/orvanel\" /STARTUP\n";

QString entryText(const TarotEnvironment& env)
{
    QFile file(env.startupEntry());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString trayTick() { return platform::GetSetting(QStringLiteral("RunAtSysTray"), QStringLiteral("<absent>")); }

} // namespace

class TestTarotStartUp : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TarotEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutAnEntryTheProgramDoesNotRunAtStartUp()
    {
        platform::SaveSetting(QStringLiteral("RunAtSysTray"), QStringLiteral("True"));
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        QVERIFY(child<QRadioButton>(window, "optDontRun")->isChecked());
        auto* tray = child<QCheckBox>(window, "chkSysTray");
        QVERIFY(!tray->isChecked());
        QVERIFY(!ownEnabled(tray));
        QVERIFY(!QFile::exists(env->startupEntry()));
        QVERIFY(env->messages.empty());
    }

    void anEntryIsPickedUpAndWrittenAgain_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("tick absent") << QString() << false;
        QTest::newRow("tick True") << "True" << true;
        QTest::newRow("tick true") << "true" << false;
        QTest::newRow("tick False") << "False" << false;
    }
    void anEntryIsPickedUpAndWrittenAgain()
    {
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        QVERIFY(env->writeStartupEntry(ElsewhereEntry));
        if (!stored.isNull())
            QVERIFY(platform::SaveSetting(QStringLiteral("RunAtSysTray"), stored));
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        QVERIFY(window->isVisible());
        QVERIFY(child<QRadioButton>(window, "optRun")->isChecked());
        QVERIFY(ownEnabled(child<QCheckBox>(window, "chkSysTray")));
        QCOMPARE(child<QCheckBox>(window, "chkSysTray")->isChecked(), ticked);
        // The entry now names this program where it is.
        const QString entry = entryText(*env);
        QVERIFY2(entry.contains(QDir(platform::ProgramFolder()).filePath(platform::ExecutableName())), qPrintable(entry));
        QVERIFY(entry.contains(QStringLiteral("\" /STARTUP")));
        QVERIFY(!entry.contains(QStringLiteral("/old/place")));
        // An unchanged tick is not stored again.
        QCOMPARE(trayTick(), stored.isNull() ? QStringLiteral("<absent>") : stored);
    }

    void theOptionsWriteAndRemoveTheEntry_data()
    {
        QTest::addColumn<How>("how");
        for (How how : {How::Click, How::Keyboard, How::ScreenReader, How::Program})
            QTest::newRow(qPrintable(howName(how))) << how;
    }
    void theOptionsWriteAndRemoveTheEntry()
    {
        QFETCH(How, how);
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        auto* tray = child<QCheckBox>(window, "chkSysTray");
        pick(child<QRadioButton>(window, "optRun"), how);
        QVERIFY(QFile::exists(env->startupEntry()));
        QVERIFY(ownEnabled(tray));
        setTicked(tray, true, how);
        QCOMPARE(trayTick(), QStringLiteral("True"));
        pick(child<QRadioButton>(window, "optDontRun"), how);
        QVERIFY(!QFile::exists(env->startupEntry()));
        QVERIFY(!tray->isChecked());
        QVERIFY(!ownEnabled(tray));
        QCOMPARE(trayTick(), QStringLiteral("False"));
        QVERIFY(env->messages.empty());
        // Saving the settings stores the tick as it stands.
        click(window, "cmdSaveSettings");
        QCOMPARE(trayTick(), QStringLiteral("False"));
    }

    void anEntryThatCannotBeWrittenSaysSo()
    {
        // The start-up folder's place is taken by a file.
        const QString configHome = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
        QDir().mkpath(configHome);
        QFile blocker(QDir(configHome).filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        pick(child<QRadioButton>(window, "optRun"), How::Click);
        QCOMPARE(env->messages.size(), std::size_t(1));
        QVERIFY2(env->lastPrompt().startsWith(QStringLiteral("Error ")) &&
                     env->lastPrompt().endsWith(QStringLiteral(" opening key\r\n")),
                 qPrintable(env->lastPrompt()));
        QCOMPARE(env->messages.front().style, platform::vbOKOnly);
        // The option and the box keep their new state.
        QVERIFY(child<QRadioButton>(window, "optRun")->isChecked());
        QVERIFY(ownEnabled(child<QCheckBox>(window, "chkSysTray")));
    }

    void startingAtLogonOpensTheWindowInTheTray_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<bool>("inTray");
        QTest::newRow("/STARTUP, ticked") << QStringList{"orvanel", "/STARTUP"} << true << true << true;
        QTest::newRow("/STARTUP inside another argument") << QStringList{"orvanel", "-x/STARTUPNOW"} << true << true << true;
        QTest::newRow("lower case /startup") << QStringList{"orvanel", "/startup"} << true << true << false;
        QTest::newRow("no /STARTUP") << QStringList{"orvanel"} << true << true << false;
        QTest::newRow("/STARTUP, not ticked") << QStringList{"orvanel", "/STARTUP"} << false << true << false;
        QTest::newRow("/STARTUP, no tray on this desktop") << QStringList{"orvanel", "/STARTUP"} << true << false << false;
    }
    void startingAtLogonOpensTheWindowInTheTray()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, ticked);
        QFETCH(bool, trayAvailable);
        QFETCH(bool, inTray);
        FakeTray tray(trayAvailable);
        platform::setCommandLine(arguments);
        QVERIFY(env->writeStartupEntry(ElsewhereEntry));
        QVERIFY(platform::SaveSetting(QStringLiteral("RunAtSysTray"), ticked ? QStringLiteral("True") : QStringLiteral("False")));
        frmMDI* main = startMainWindow();
        frmLearnTarotMain* window = openFromLauncher(main);
        QVERIFY(window);
        QVERIFY(platform::Forms::isLoaded(window));
        QCOMPARE(window->frame()->isVisible(), !inTray);
        QCOMPARE(tray.last && tray.last->added, inTray);
        if (inTray) {
            QCOMPARE(tray.last->toolTip, QStringLiteral("Recent"));
            QVERIFY(!tray.last->icon.isNull());
        }
        // The main window is left as it is.
        QVERIFY(main->isVisible());
    }

    void theTrayIconBringsTheWindowBack_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("double-click") << "double-click";
        QTest::newRow("Show on the icon's menu") << "menu";
    }
    void theTrayIconBringsTheWindowBack()
    {
        QFETCH(QString, way);
        FakeTray tray;
        frmLearnTarotMain* window = openInTray();
        FakeTrayIcon* icon = tray.last;
        QVERIFY(icon && icon->added);
        // A single left click does nothing; the right button released opens the menu.
        icon->leftClick();
        QVERIFY(!window->frame()->isVisible());
        QVERIFY(icon->added);
        icon->rightButtonRelease();
        QCOMPARE(icon->poppedMenu.data(), child<QMenu>(window, "mnuPopUp"));
        QCOMPARE(icon->defaultItem.data(), child<QAction>(window, "mnuShow"));
        QVERIFY(!window->frame()->isVisible());
        if (way == QLatin1String("menu"))
            child<QAction>(window, "mnuShow")->trigger();
        else
            icon->leftDoubleClick();
        QVERIFY(window->frame()->isVisible());
        QVERIFY(!window->frame()->isMinimized());
        QVERIFY(window->isVisible());
        QVERIFY(!icon->added);
        QCOMPARE(icon->log.last(), QStringLiteral("remove"));
    }

    void exitFromTheTrayUnloadsTheWindowAndItsIcon()
    {
        FakeTray tray;
        frmLearnTarotMain* window = openInTray();
        frmMDI* main = platform::Forms::find<frmMDI>();
        QVERIFY(window && main);
        child<QAction>(window, "mnuExit")->trigger();
        QVERIFY(!platform::Forms::find<frmLearnTarotMain>());
        QVERIFY(main->picMain->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(tray.last.isNull(), "the icon outlives the window");
    }

private:
    // A run started at logon with the tray box ticked, and the tarot course opened.
    frmLearnTarotMain* openInTray()
    {
        platform::setCommandLine({QStringLiteral("orvanel"), QStringLiteral("/STARTUP")});
        env->writeStartupEntry(ElsewhereEntry);
        platform::SaveSetting(QStringLiteral("RunAtSysTray"), QStringLiteral("True"));
        return openFromLauncher(startMainWindow());
    }

    std::unique_ptr<TarotEnvironment> env;
};

ORVANEL_TEST(TestTarotStartUp)
#include "test_tarot_startup.moc"
