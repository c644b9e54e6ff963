// Runs of random actions on the real program: its start-up road with every course, then a
// few thousand presses, ticks, picks and typed texts per seed across all visible windows,
// with real message boxes up while the actions go on. The process is never ended.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextDocument>

#include "courses/astrology/astrology_course.h"
#include "courses/numerology/numerology_course.h"
#include "courses/runes/runes_course.h"
#include "courses/tarot/tarot_course.h"
#include "fake_tray_icon.h"
#include "fixtures.h"
#include "platform/command_line.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/save_file_dialog.h"
#include "random_user.h"
#include "shell/frmStartup.h"
#include "test_registry.h"

namespace {

// The courses, registered as the program's main does.
void registerCourses()
{
    RegisterAstrologyCourse();
    RegisterNumerologyCourse();
    RegisterRunesCourse();
    RegisterTarotCourse();
}

void startProgram() { platform::Forms::instance<frmStartup>(); }

// Other seeds can be tried with ORVANEL_RANDOM_SEEDS=5,6,7 and longer runs with
// ORVANEL_RANDOM_ACTIONS; ORVANEL_RANDOM_TRACE=1 prints every action.
QList<quint64> seeds()
{
    QList<quint64> list;
    for (const QString& part : qEnvironmentVariable("ORVANEL_RANDOM_SEEDS").split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (bool ok = false; part.trimmed().toULongLong(&ok), ok)
            list << part.trimmed().toULongLong();
    return list.isEmpty() ? QList<quint64>{1, 2, 3, 4} : list;
}

int actionsPerSeed()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("ORVANEL_RANDOM_ACTIONS", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : 2500;
}

} // namespace

class TestRandomUse : public QObject {
    Q_OBJECT

private slots:
    void randomActionsAcrossAllWindows_data()
    {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : seeds())
            QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << seed;
    }

    void randomActionsAcrossAllWindows()
    {
        QFETCH(quint64, seed);
        TestEnvironment env;
        platform::setFixedSeed(seed);
        RandomUser::Options options;
        options.seed = seed;
        options.actions = actionsPerSeed();
        options.trace = qEnvironmentVariableIsSet("ORVANEL_RANDOM_TRACE");
        // Odd seeds run as started at logon, so a window can go to the tray.
        platform::setCommandLine(seed % 2 ? QStringList{"orvanel", "/STARTUP"} : QStringList{"orvanel"});
        FakeTray tray(seed % 4 != 3);
        RandomUser user(options, &tray);
        platform::setMsgBoxHandler([&](const QString& prompt, int style) {
            env.messages.push_back({prompt, style});
            return user.answerMsgBox(prompt, style);
        });
        int printed = 0;
        platform::setPrintHandler([&](const QTextDocument&, const QString&) { return ++printed % 2 == 0; });
        int saved = 0;
        platform::setSaveFileHandler([&](const QString&) {
            return ++saved % 3 == 0 ? QString() : env.programFolder() + QStringLiteral("/saved.txt");
        });

        // The tarot course runs on the card database the build made: beside the program, or as
        // installed under share/ for every third seed.
        const QString cards = seed % 3 == 0 ? env.prefixFile(QStringLiteral("share/orvanel")) : env.programFolder();
        QDir().mkpath(cards);
        QVERIFY(QFile::copy(QStringLiteral(ORVANEL_BINARY_DIR "/learn.dll"), cards + QStringLiteral("/learn.dll")));
        registerCourses();
        startProgram();
        user.run(startProgram);
        platform::setPrintHandler({});
        platform::setSaveFileHandler({});
        platform::setCommandLine({});

        QVERIFY2(!user.timedOut, "the run did not finish in its time");
        QVERIFY(user.actionsDone >= options.actions); // steps inside a box may finish after the last one
        QVERIFY2(user.unloadedButShown.isEmpty(), qPrintable(user.unloadedButShown.join(QLatin1Char(' '))));
        QVERIFY(!QApplication::activeModalWidget());
        // The run reached the courses and did every kind of thing a user does.
        for (const char* course : {"frmMDI", "frmLearnAstrologyMain", "frmLearnNumerologyMain", "frmLearnRunesMain"})
            QVERIFY2(user.windowsSeen.count(QLatin1String(course)), course);
        for (const char* kind : {"press", "toggle", "type", "combo", "menu", "answer"})
            QVERIFY2(user.counts[QLatin1String(kind)] > 0, kind);
        QVERIFY(user.boxesAnswered > 0);

        TestEnvironment::unloadAllWindows();
        QTRY_COMPARE(platform::Forms::awaitingDestruction(), std::size_t(0));
        qInfo("seed %llu: %d actions, %d messages, %d real boxes answered (nested up to %d), %d dialogs closed, "
              "%d restarts, windows: %s",
              static_cast<unsigned long long>(seed), user.actionsDone, user.counts[QStringLiteral("message")],
              user.boxesAnswered, user.deepestBoxNesting, user.dialogsClosed, user.restarts,
              qPrintable(QStringList(user.windowsSeen.begin(), user.windowsSeen.end()).join(QLatin1Char(' '))));
    }
};

ORVANEL_TEST(TestRandomUse)
#include "test_random_use.moc"
