// The program as installed into a prefix: the executable alone in bin/, the card database in
// share/orvanel/, and the user's goals kept in the per-user data folder, never beside the program.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "controls.h"
#include "courses/runes/frmLearnRunesMain.h"
#include "courses/runes/runes_course.h"
#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/tarot_course.h"
#include "fixtures.h"
#include "platform/forms.h"
#include "shell/main_window.h"
#include "test_registry.h"

namespace {

// The bytes of a file, or nothing when it cannot be read.
QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestInstalledRun : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        const QString share = env->prefixFile(QStringLiteral("share/orvanel"));
        QVERIFY(QDir().mkpath(share));
        QVERIFY(QFile::copy(QStringLiteral(ORVANEL_BINARY_DIR "/learn.dll"), QDir(share).filePath("learn.dll")));
        RegisterRunesCourse();
        RegisterTarotCourse();
        main = platform::Forms::instance<frmMDI>();
        main->resize(1280, 800);
        main->show();
    }
    void cleanup()
    {
        // Whatever the courses did, the program folder holds nothing of theirs.
        QCOMPARE(QDir(env->programFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        env.reset();
    }

    void tarotMemorizerShowsTheInstalledCards()
    {
        click(main, QStringLiteral("cmdSelectOption_2"));
        auto* tarot = platform::Forms::find<frmLearnTarotMain>();
        QVERIFY(tarot);
        click(tarot, QStringLiteral("cmdSetOption"));
        QCOMPARE(env->prompts(), QStringList());
        QCOMPARE(child<QLabel>(tarot, QStringLiteral("lblCardNameMemorize"))->text(), QStringLiteral("The Fool"));
        QVERIFY(!child<QPlainTextEdit>(tarot, QStringLiteral("txtNormalMeaning"))->toPlainText().isEmpty());
    }

    void tarotGoalIsKeptInTheUserDataFolder()
    {
        click(main, QStringLiteral("cmdSelectOption_2"));
        auto* tarot = platform::Forms::find<frmLearnTarotMain>();
        QVERIFY(tarot);
        click(tarot, QStringLiteral("cmdNewGoal"));
        child<QLineEdit>(tarot, QStringLiteral("txtGoalName"))->setText(QStringLiteral("Learn the court cards"));
        click(tarot, QStringLiteral("cmdSaveGoals"));
        QCOMPARE(env->prompts(), QStringList());
        const QByteArray goals = bytesOf(env->prefixFile(QStringLiteral("data/orvanel/goals.txt")));
        QVERIFY2(goals.startsWith("\"Learn the court cards\","), goals.constData());
    }

    void runesGoalFilesAreMadeInTheUserDataFolderWithoutAMessage()
    {
        click(main, QStringLiteral("cmdSelectOption_3"));
        auto* runes = platform::Forms::find<frmLearnRunesMain>();
        QVERIFY(runes);
        QCOMPARE(env->prompts(), QStringList());
        for (int goal : {1, 2})
            QCOMPARE(bytesOf(env->prefixFile(QStringLiteral("data/orvanel/Goal%1.txt").arg(goal))),
                     QStringLiteral("This is Goal %1.\r\n").arg(goal).toUtf8());
        click(runes, QStringLiteral("chkGoal1"));
        child<QPlainTextEdit>(runes, QStringLiteral("txtGoal1"))->setPlainText(QStringLiteral("Read the first aett"));
        click(runes, QStringLiteral("cmdGoal1"));
        QCOMPARE(env->prompts(), QStringList());
        QCOMPARE(bytesOf(env->prefixFile(QStringLiteral("data/orvanel/Goal1.txt"))), QByteArray("Read the first aett\r\n"));
    }

private:
    std::unique_ptr<TestEnvironment> env;
    frmMDI* main = nullptr;
};

ORVANEL_TEST(TestInstalledRun)
#include "test_installed_run.moc"
