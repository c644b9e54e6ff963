// The settings store (one read of the file serves every value; our own writes keep it
// right; a refused write is reported and leaves nothing behind) and the declared values.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <optional>

#include "fixtures.h"
#include "platform/setting.h"
#include "platform/settings_store.h"
#include "test_registry.h"

namespace {

using Reading = std::optional<int>;

const platform::Setting<QString> Colour = platform::TextSetting(QStringLiteral("Colour"), QStringLiteral("blue"));
const platform::Setting<QString> Shape = platform::TextSetting(QStringLiteral("Shape"));

// The values the tarot window stores, declared as it declares them.
const platform::Setting<int> MajorArcana = platform::WholeNumberSetting(QStringLiteral("MajorArcana"), 1);
const platform::Setting<int> Swords = platform::WholeNumberSetting(QStringLiteral("Swords"), 1);
const platform::Setting<int> TestType = platform::WholeNumberSetting(QStringLiteral("TestType"), 1, 0, 1);
const platform::Setting<int> Difficulty = platform::WholeNumberSetting(QStringLiteral("Difficulty"), 0, 0, 2);
const platform::Setting<bool> RunAtSysTray = platform::TrueFalseSetting(QStringLiteral("RunAtSysTray"), false);
const platform::Setting<bool> StoneGroup0 = platform::TickSetting(QStringLiteral("StoneGroup0"));

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Gives the file the modification time it had, so only its content tells it changed.
void keepModified(const QString& path, const QDateTime& modified)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void oneReadServesEveryValue()
    {
        const QString path = env->settingsFile();
        writeFile(path, "[Settings]\nColour=red\nShape=round\nTestType=0\nRunAtSysTray=True\n");
        const int before = platform::SettingsFileReads();
        QCOMPARE(Colour.text(), QStringLiteral("red"));
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(Shape.text(), QStringLiteral("round"));
            QCOMPARE(TestType.value(), Reading(0));
            QCOMPARE(RunAtSysTray.value(), std::optional<bool>(true));
            QCOMPARE(Difficulty.value(), Reading(0));
        }
        QCOMPARE(platform::SettingsFileReads(), before + 1);
        // Our own writes need no read afterwards either.
        QVERIFY(Colour.save(QStringLiteral("green")));
        QVERIFY(platform::SaveSettings({Shape.entry(QStringLiteral("flat")), TestType.entry(1)}));
        QCOMPARE(Colour.text(), QStringLiteral("green"));
        QCOMPARE(Shape.text(), QStringLiteral("flat"));
        QCOMPARE(TestType.value(), Reading(1));
        QCOMPARE(platform::SettingsFileReads(), before + 1);
    }

    void fileChangedByAnotherWriterIsReadAgain()
    {
        const QString path = env->settingsFile();
        writeFile(path, "[Settings]\nColour=red\n");
        QCOMPARE(Colour.text(), QStringLiteral("red"));
        const int before = platform::SettingsFileReads();
        writeFile(path, "[Settings]\nColour=green\nShape=square\n");
        QCOMPARE(Colour.text(), QStringLiteral("green"));
        QCOMPARE(platform::SettingsFileReads(), before + 1);
        QCOMPARE(Shape.text(), QStringLiteral("square"));
        QFile::remove(path);
        QCOMPARE(Colour.text(), QStringLiteral("blue"));
        QCOMPARE(Shape.text(), QString());
    }

    void ownWritesAreReadBackAndKeepTheRest()
    {
        const QString path = env->settingsFile();
        writeFile(path, "[Other]\nKept=yes\n[Settings]\nShape=round\n");
        QCOMPARE(Shape.text(), QStringLiteral("round"));
        QVERIFY(Colour.save(QStringLiteral("red")));
        QCOMPARE(Colour.text(), QStringLiteral("red"));
        QCOMPARE(Shape.text(), QStringLiteral("round"));
        QVERIFY(platform::SaveSettings({Colour.entry(QStringLiteral("tan")), Shape.entry(QStringLiteral("flat"))}));
        QCOMPARE(Colour.text(), QStringLiteral("tan"));
        QCOMPARE(Shape.text(), QStringLiteral("flat"));
        const QByteArray stored = fileBytes(path);
        QVERIFY(stored.contains("Kept=yes"));
        QVERIFY(stored.contains("Colour=tan"));
        QVERIFY(stored.contains("Shape=flat"));
        // A second store (another run of the program) reads the same.
        platform::setSettingsFile(path + QStringLiteral(".copy"));
        QVERIFY(QFile::copy(path, path + QStringLiteral(".copy")));
        QCOMPARE(Colour.text(), QStringLiteral("tan"));
    }

    void valuesAlreadyStoredAreNotWrittenAgain()
    {
        const QString path = env->settingsFile();
        QVERIFY(Colour.save(QStringLiteral("red")));
        const QDateTime earlier = QDateTime::currentDateTime().addSecs(-3600);
        keepModified(path, earlier);
        QVERIFY(platform::SaveSettings({Colour.entry(QStringLiteral("red"))}));
        QCOMPARE(QFileInfo(path).lastModified(), earlier);
        QVERIFY(Colour.save(QStringLiteral("green")));
        QVERIFY(QFileInfo(path).lastModified() != earlier);
    }

    void refusedWriteIsReportedAndLeavesNothingBehind()
    {
        // The settings folder is a plain file, so nothing can be written under it.
        const QString folder = QDir(env->programFolder()).filePath(QStringLiteral("config"));
        writeFile(folder, "not a folder");
        const QString path = QDir(folder).filePath(QStringLiteral("settings.ini"));
        platform::setSettingsFile(path);
        QVERIFY(!Colour.save(QStringLiteral("red")));
        QVERIFY(!platform::SaveSettings({Shape.entry(QStringLiteral("round"))}));
        QCOMPARE(Colour.text(), QStringLiteral("blue"));
        QCOMPARE(Shape.text(), QString());

        // Once the folder can be made, a later write carries only its own value.
        QVERIFY(QFile::remove(folder));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(Colour.save(QStringLiteral("green")));
        QCOMPARE(Colour.text(), QStringLiteral("green"));
        QCOMPARE(Shape.text(), QString());
        QVERIFY(!fileBytes(path).contains("round"));
    }

    void fileWithAFormatProblemStillTakesWrites_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("unclosed section") << QByteArray("[Settings\nShape=round\n");
        QTest::newRow("bytes before the first section") << QByteArray("\xff\xfe[Settings]\nShape=round\n");
    }
    void fileWithAFormatProblemStillTakesWrites()
    {
        QFETCH(QByteArray, content);
        writeFile(env->settingsFile(), content);
        QCOMPARE(Colour.text(), QStringLiteral("blue"));
        QVERIFY(Colour.save(QStringLiteral("red")));
        QVERIFY(fileBytes(env->settingsFile()).contains("Colour=red"));
        QCOMPARE(Colour.text(), QStringLiteral("red"));
    }

    void valueThatIsNoPlainTextReadsAsAbsent()
    {
        writeFile(env->settingsFile(), "[Settings]\nColour=red, green\nShape=round\n");
        QCOMPARE(Colour.text(), QStringLiteral("blue"));
        QCOMPARE(Shape.text(), QStringLiteral("round"));
    }

    void scrambledNamesAndTextsSurviveTheFile()
    {
        const QString name = QString::fromLatin1("\x99\xca\xc7\xb6\xc9\xbe\xc4\xc3");
        const QString text = QString::fromLatin1("\x86\x84\x84\xa6\xff");
        const platform::Setting<QString> scrambled = platform::TextSetting(name);
        QVERIFY(scrambled.save(text));
        platform::setSettingsFile(env->settingsFile() + QStringLiteral(".copy"));
        QVERIFY(QFile::copy(env->settingsFile(), env->settingsFile() + QStringLiteral(".copy")));
        QCOMPARE(scrambled.text(), text);
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("stored"); // a null text: not stored
        QTest::addColumn<Reading>("major");
        QTest::addColumn<Reading>("testType");
        QTest::addColumn<Reading>("difficulty");
        QTest::newRow("absent: the defaults") << QString() << Reading(1) << Reading(1) << Reading(0);
        QTest::newRow("zero") << "0" << Reading(0) << Reading(0) << Reading(0);
        QTest::newRow("one with blanks") << " 1 " << Reading(1) << Reading(1) << Reading(1);
        QTest::newRow("two: only a level") << "2" << Reading(2) << Reading() << Reading(2);
        QTest::newRow("three: out of every range") << "3" << Reading(3) << Reading() << Reading();
        QTest::newRow("negative") << "-1" << Reading(-1) << Reading() << Reading();
        QTest::newRow("a fraction") << "1.5" << Reading() << Reading() << Reading();
        QTest::newRow("a word") << "True" << Reading() << Reading() << Reading();
        QTest::newRow("stored empty") << "" << Reading() << Reading() << Reading();
    }
    void wholeNumbers()
    {
        QFETCH(QString, stored);
        QFETCH(Reading, major);
        QFETCH(Reading, testType);
        QFETCH(Reading, difficulty);
        if (!stored.isNull())
            for (const auto* setting : {&MajorArcana, &TestType, &Difficulty})
                QVERIFY(platform::SaveSetting(setting->name(), stored));
        QCOMPARE(MajorArcana.value(), major);
        QCOMPARE(TestType.value(), testType);
        QCOMPARE(Difficulty.value(), difficulty);
    }

    void trueFalseAndTicks_data()
    {
        QTest::addColumn<QString>("stored"); // a null text: not stored
        QTest::addColumn<bool>("trayTicked");
        QTest::addColumn<bool>("stoneTicked");
        QTest::newRow("absent") << QString() << false << false;
        QTest::newRow("True") << "True" << true << false;
        QTest::newRow("true") << "true" << false << false;
        QTest::newRow("True with a blank") << "True " << false << false;
        QTest::newRow("one") << "1" << false << true;
        QTest::newRow("one with blanks") << " 1" << false << true;
        QTest::newRow("one as a fraction") << "1.0" << false << true;
        QTest::newRow("leading zero") << "01" << false << true;
        QTest::newRow("two") << "2" << false << false;
        QTest::newRow("a word") << "yes" << false << false;
    }
    void trueFalseAndTicks()
    {
        QFETCH(QString, stored);
        QFETCH(bool, trayTicked);
        QFETCH(bool, stoneTicked);
        if (!stored.isNull()) {
            QVERIFY(platform::SaveSetting(RunAtSysTray.name(), stored));
            QVERIFY(platform::SaveSetting(StoneGroup0.name(), stored));
        }
        QCOMPARE(RunAtSysTray.value(), std::optional<bool>(trayTicked));
        QCOMPARE(StoneGroup0.value(), std::optional<bool>(stoneTicked));
    }

    void storedTexts_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("expected");
        QTest::newRow("box ticked") << MajorArcana.textOf(1) << "1";
        QTest::newRow("box unticked") << Swords.textOf(0) << "0";
        QTest::newRow("level") << Difficulty.textOf(2) << "2";
        QTest::newRow("tray ticked") << RunAtSysTray.textOf(true) << "True";
        QTest::newRow("tray unticked") << RunAtSysTray.textOf(false) << "False";
        QTest::newRow("stone ticked") << StoneGroup0.textOf(true) << "1";
        QTest::newRow("stone unticked") << StoneGroup0.textOf(false) << "0";
        QTest::newRow("default of a box") << MajorArcana.defaultText() << "1";
        QTest::newRow("default of the test type") << TestType.defaultText() << "1";
        QTest::newRow("default of the tray") << RunAtSysTray.defaultText() << "False";
    }
    void storedTexts()
    {
        QFETCH(QString, written);
        QFETCH(QString, expected);
        QCOMPARE(written, expected);
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestSettingsStore)
#include "test_settings_store.moc"
