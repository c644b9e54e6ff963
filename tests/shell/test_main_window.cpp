// Start-up road, the main window's launcher and start page, and the shutdown.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QMdiArea>
#include <QMouseEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "fixtures.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "shell/application.h"
#include "shell/frmExitScreen.h"
#include "shell/frmStartup.h"
#include "shell/main_window.h"
#include "shell/shutdown.h"
#include "shell/start_page.h"
#include "shell/update_reminder.h"
#include "test_registry.h"

namespace {
QStringList& events()
{
    static QStringList log;
    return log;
}

// Stands in for a course window: records its load and unload steps and shows the start
// page again when it unloads, as every course window does.
class StandInCourse : public QWidget, public platform::Form {
public:
    explicit StandInCourse(const QString& name) : platform::Form(this, name)
    {
        setObjectName(name);
        setFixedSize(600, 400);
    }

protected:
    void Form_Load() override { events() << QStringLiteral("load ") + formName(); }
    void Form_Unload() override
    {
        events() << QStringLiteral("unload ") + formName();
        start_page::SetVisible(true);
    }
};

const QStringList CourseNames = {"frmLearnAstrologyMain", "frmLearnNumerologyMain", "frmLearnTarotMain",
                                 "frmLearnRunesMain", "frmLearnRunesMeaningTest"};

void registerStandIns()
{
    for (const QString& name : CourseNames)
        platform::Forms::registerFactory(name, [name] { return new StandInCourse(name); });
}

frmMDI* startProgram()
{
    platform::Forms::instance<frmStartup>();
    return platform::Forms::find<frmMDI>();
}

QWidget* picMainOf(frmMDI* main) { return main->findChild<QWidget*>(QStringLiteral("picMain")); }

// A plain pointer move (no button held) delivered to the widget.
void moveOver(QWidget* widget, QPoint at = QPoint(2, 2))
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        events().clear();
        registerStandIns();
    }

    void startShowsMainWindowAfterReminder()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("Orvanel v1.20"));
        QVERIFY(!platform::Forms::find<frmStartup>()->isVisible());
        // First run: the reminder stores its stamp without a question once the window is painted.
        QTRY_VERIFY(!modHelp::LastReminder().text().isEmpty());
        QVERIFY(env.messages.empty());
        QCOMPARE(env.processEnds, 0);
        // The icon follows the first paint, at the sizes window managers show.
        QCOMPARE(main->windowIcon().availableSizes(), (QList<QSize>{QSize(32, 32), QSize(64, 64)}));
    }

    void titleBarShowsTheCaptionAlone()
    {
        SetUpApplication();
        // Message boxes take the program's name as their caption.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Orvanel"));
        // No display name of its own is fixed, which the platform would append to every title
        // bar: it follows the application name.
        QCoreApplication::setApplicationName(QStringLiteral("Probe"));
        const QString followed = QGuiApplication::applicationDisplayName();
        SetUpApplication();
        QCOMPARE(followed, QStringLiteral("Probe"));
    }

    void secondCopyIsRefusedAndTouchesNothing()
    {
        TestEnvironment env;
        QLockFile other(env.prefixFile(QStringLiteral("instance.lock")));
        QVERIFY(other.tryLock(0));
        QVERIFY(!startProgram());
        QCOMPARE(env.prompts(), QStringList{"Application is already running"});
        QCOMPARE(env.messages.front().style, 64);
        QCOMPARE(env.processEnds, 1);
        QVERIFY(!QFile::exists(env.settingsFile()));
        QVERIFY(platform::Forms::loaded().empty());
    }

    void captionsInOrderWithTheirColours()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        const QStringList texts = {"Welcome to Orvanel", "", "Orvanel includes the following programs",
                                   "Learn Astrology", "Learn Numerology", "Learn Tarot", "Learn Runes"};
        const QStringList colours = {"#00ffff", "#ff0000", "#00ffff", "#ffff00", "#ff00ff", "#00ff00", "#00ffff"};
        std::vector<int> tops(7);
        for (int i = 0; i < 7; ++i) {
            auto* caption = main->findChild<QLabel*>(QStringLiteral("lblCaption_%1").arg(i));
            QVERIFY(caption);
            if (!texts[i].isEmpty())
                QCOMPARE(caption->text(), texts[i]);
            QCOMPARE(caption->palette().color(QPalette::WindowText).name(), colours[i]);
            QVERIFY(caption->font().bold());
            QVERIFY(!caption->font().underline());
            tops[static_cast<std::size_t>(i)] = caption->y();
        }
        QVERIFY(main->findChild<QLabel*>(QStringLiteral("lblCaption_1"))->text().startsWith("Welcome to the first"));
        // Top to bottom: 0, 1, 2, then Astrology, Tarot, Numerology, Runes.
        for (auto [upper, lower] : {std::pair{0, 1}, {1, 2}, {2, 3}, {3, 5}, {5, 4}, {4, 6}})
            QVERIFY(tops[static_cast<std::size_t>(upper)] < tops[static_cast<std::size_t>(lower)]);
        // Buttons left to right in the same course order.
        auto left = [&](int i) {
            return main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(i))->x();
        };
        QVERIFY(left(0) < left(2) && left(2) < left(1) && left(1) < left(3));
    }

    void loadPlacesControlsOnTheScreen()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        auto* caption = main->findChild<QLabel*>(QStringLiteral("lblCaption_6"));
        QCOMPARE(caption->x(), (1280 - caption->width()) / 2);
        auto* exit = main->findChild<QPushButton*>(QStringLiteral("cmdMdiExit"));
        QCOMPARE(exit->text(), QStringLiteral("&Exit"));
        QCOMPARE(exit->x(), 1280 - exit->width() - 8);
    }

    // Beside the banner picture its band repeats, row by row, the darkest pixel of the
    // picture's outermost columns on that side, so a star at the edge leaves no streak.
    void bannerBandContinuesThePictureEdges()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        auto* band = main->findChild<QWidget*>(QStringLiteral("Picture6"));
        auto* picture = main->findChild<QLabel*>(QStringLiteral("Picture6Image"));
        QVERIFY(band && picture);
        // Wider than the screen the picture is centred on, so there is band on both sides.
        main->showNormal();
        main->resize(1500, 700);
        QTRY_COMPARE(band->width(), 1500);
        QVERIFY(picture->x() > 0 && picture->geometry().right() < band->width() - 1);
        const QImage banner = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage shown = band->grab().toImage().convertToFormat(QImage::Format_RGB32);
        auto darkestOf = [&](int fromX, int y) {
            QRgb darkest = banner.pixel(fromX, y);
            for (int x = fromX; x < fromX + 8; ++x) {
                const QRgb c = banner.pixel(x, y);
                if (QColor(c).lightness() < QColor(darkest).lightness())
                    darkest = c;
            }
            return QColor(darkest).lightness();
        };
        const int dpr = qRound(shown.devicePixelRatio());
        for (int y = 0; y < banner.height(); y += 7) {
            const int left = QColor(shown.pixel(0, y * dpr)).lightness();
            const int right = QColor(shown.pixel(shown.width() - 1, y * dpr)).lightness();
            QVERIFY2(qAbs(left - darkestOf(0, y)) <= 1, qPrintable(QString::number(y)));
            QVERIFY2(qAbs(right - darkestOf(banner.width() - 8, y)) <= 1, qPrintable(QString::number(y)));
        }
    }

    void launcherClosesCoursesThenOpensChosenOne()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_3"))->click();
        QCOMPARE(events(), QStringList{"load frmLearnRunesMain"});
        QVERIFY(!picMainOf(main)->isVisibleTo(main));
        platform::Form* runes = platform::Forms::find(QStringLiteral("frmLearnRunesMain"));
        QVERIFY(qobject_cast<QMdiSubWindow*>(runes->widget()->parentWidget()));
        QVERIFY(runes->frame()->isVisible());

        // A meaning-test window open beside it goes too, after the course windows.
        platform::Forms::showMdiChild(platform::Forms::instance(QStringLiteral("frmLearnRunesMeaningTest")));
        events().clear();
        main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_2"))->click();
        QCOMPARE(events(), (QStringList{"unload frmLearnRunesMain", "unload frmLearnRunesMeaningTest",
                                        "load frmLearnTarotMain"}));
        QVERIFY(!picMainOf(main)->isVisibleTo(main));

        // Choosing the open course reloads it.
        events().clear();
        main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_2"))->click();
        QCOMPARE(events(), (QStringList{"unload frmLearnTarotMain", "load frmLearnTarotMain"}));
    }

    void captionClicks_data()
    {
        QTest::addColumn<int>("caption");
        QTest::addColumn<QString>("opened");
        QTest::newRow("welcome") << 0 << QString();
        QTest::newRow("paragraph") << 1 << QString();
        QTest::newRow("list title") << 2 << QString();
        QTest::newRow("astrology") << 3 << "frmLearnAstrologyMain";
        QTest::newRow("numerology") << 4 << "frmLearnNumerologyMain";
        QTest::newRow("tarot") << 5 << "frmLearnTarotMain";
        QTest::newRow("runes") << 6 << "frmLearnRunesMain";
    }
    void captionClicks()
    {
        QFETCH(int, caption);
        QFETCH(QString, opened);
        TestEnvironment env;
        frmMDI* main = startProgram();
        auto* label = main->findChild<QLabel*>(QStringLiteral("lblCaption_%1").arg(caption));
        QTest::mouseClick(label, Qt::LeftButton);
        if (opened.isEmpty()) {
            QVERIFY(events().isEmpty());
            QVERIFY(picMainOf(main)->isVisibleTo(main));
        } else {
            QCOMPARE(events(), QStringList{"load " + opened});
            QVERIFY(!picMainOf(main)->isVisibleTo(main));
        }
    }

    void closingCourseShowsStartPage()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_0"))->click();
        platform::Forms::unload(QStringLiteral("frmLearnAstrologyMain"));
        QVERIFY(picMainOf(main)->isVisibleTo(main));
        QVERIFY(!main->findChild<QMdiArea*>()->isVisibleTo(main));
    }

    void hoverUnderlinesCourseCaptionsOnly()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        auto caption = [&](int i) { return main->findChild<QLabel*>(QStringLiteral("lblCaption_%1").arg(i)); };
        for (int i = 0; i < 7; ++i)
            moveOver(caption(i));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(caption(i)->font().underline(), i >= 3);
        moveOver(picMainOf(main));
        for (int i = 0; i < 7; ++i)
            QVERIFY(!caption(i)->font().underline());
    }

    void menusAndLinksOpenTheirPages_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("page");
        QTest::newRow("online help") << "mnuOnline" << "https://www.orvanel.net/Orvanel-help.html";
        QTest::newRow("visit") << "mnuVisit" << "https://www.velmora.net";
        QTest::newRow("update") << "mnuUpdate" << "https://www.orvanel.net/download-Orvanel.html";
    }
    void menusAndLinksOpenTheirPages()
    {
        QFETCH(QString, action);
        QFETCH(QString, page);
        TestEnvironment env;
        frmMDI* main = startProgram();
        main->findChild<QAction*>(action)->trigger();
        main->findChild<QAction*>(action)->trigger();
        QCOMPARE(env.openedPages, (QStringList{page, page}));
    }

    void labelsOpenTheirPages()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        QTest::mouseClick(main->findChild<QLabel*>(QStringLiteral("Label7")), Qt::LeftButton);
        QTest::mouseClick(main->findChild<QLabel*>(QStringLiteral("lblVelmoraBanner")), Qt::LeftButton);
        // The banner picture, beside its image too.
        QTest::mouseClick(main->findChild<QWidget*>(QStringLiteral("Picture6")), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(env.openedPages, (QStringList{"https://help.velmora.net/fully-branded.html", "https://www.velmora.net",
                                               "https://www.velmora.net"}));
    }

    void exitLeadsToExitScreenAndShutdownEndsAll()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_3"))->click();
        main->findChild<QPushButton*>(QStringLiteral("cmdMdiExit"))->click();
        QVERIFY(!platform::Forms::find<frmMDI>());
        QVERIFY(events().contains("unload frmLearnRunesMain"));
        frmExitScreen* exitScreen = platform::Forms::find<frmExitScreen>();
        QVERIFY(exitScreen && exitScreen->isVisible());
        QCOMPARE(env.processEnds, 0);

        modHelp::ShutdownApplication();
        QVERIFY(platform::Forms::loaded().empty());
        QCOMPARE(env.processEnds, 1);
        QCOMPARE(events().count("unload frmLearnRunesMain"), 1);
    }

    void closingExitScreenWhileMainWindowOpenEndsOnce()
    {
        TestEnvironment env;
        startProgram();
        platform::Forms::instance<frmExitScreen>()->close();
        // The main window's unload step must not open a second exit screen mid-shutdown.
        // (Unloaded windows are not yet deleted here, so every one ever made is counted.)
        int exitScreens = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            exitScreens += w->objectName() == QLatin1String("frmExitScreen");
        QCOMPARE(exitScreens, 1);
        QVERIFY(platform::Forms::loaded().empty());
        QCOMPARE(env.processEnds, 1);
    }

    void shutdownUnloadsEveryWindowOnce()
    {
        TestEnvironment env;
        startProgram();
        for (const QString& name : CourseNames.mid(0, 2))
            platform::Forms::instance(name);
        events().clear();
        modHelp::ShutdownApplication();
        QVERIFY(platform::Forms::loaded().empty());
        // The main window's unload step opened the exit screen, whose unload step ran the
        // shutdown again; every window still went exactly once and the process ended once.
        QCOMPARE(events(), (QStringList{"unload frmLearnAstrologyMain", "unload frmLearnNumerologyMain"}));
        QCOMPARE(env.processEnds, 1);
    }
};

ORVANEL_TEST(TestMainWindow)
#include "test_main_window.moc"
