// The platform stand-ins: random numbers, text files, the window collection.
#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>
#include <set>

#include "fixtures.h"
#include "platform/forms.h"
#include "platform/random.h"
#include "platform/text_file.h"
#include "test_registry.h"

namespace {
QStringList& unloadLog()
{
    static QStringList log;
    return log;
}

// A window that records its unload step and can hold another window inside it.
class RecordingWindow : public QWidget, public platform::Form {
public:
    explicit RecordingWindow(const QString& name, QWidget* parent = nullptr)
        : QWidget(parent), platform::Form(this, name) {}
    int loads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { unloadLog() << formName(); }
};

struct ProbeWindow : RecordingWindow {
    static constexpr const char* FormName = "ProbeWindow";
    ProbeWindow() : RecordingWindow(QString::fromLatin1(FormName)) {}
};
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadLog().clear(); }

    void reseedInSameTickStillChanges()
    {
        TestEnvironment env;
        std::set<int> draws;
        for (int i = 0; i < 50; ++i) {
            platform::Randomize();
            draws.insert(platform::RndInt(1000000));
        }
        QVERIFY(draws.size() > 45);
    }

    void fixedSeedRepeats()
    {
        platform::setFixedSeed(7);
        const double a = platform::Rnd();
        platform::Randomize();
        const double b = platform::Rnd();
        platform::setFixedSeed(7);
        QCOMPARE(platform::Rnd(), a);
        platform::Randomize();
        QCOMPARE(platform::Rnd(), b);
    }

    void rndIntCoversItsRangeOnly()
    {
        platform::setFixedSeed(99);
        std::vector<int> counts(5, 0);
        for (int i = 0; i < 5000; ++i) {
            const int r = platform::RndInt(5);
            QVERIFY(r >= 0 && r < 5);
            ++counts[static_cast<std::size_t>(r)];
        }
        for (int c : counts)
            QVERIFY2(c > 850 && c < 1150, qPrintable(QString::number(c)));
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("0.5 to 0") << 0.5 << 0;
        QTest::newRow("1.5 to 2") << 1.5 << 2;
        QTest::newRow("2.5 to 2") << 2.5 << 2;
        QTest::newRow("2.51 to 3") << 2.51 << 3;
        QTest::newRow("3.49 to 3") << 3.49 << 3;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(platform::RoundHalfEven(value), expected);
    }

    void textFileKeepsItsLineEndsAndReadsLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo \r\n\r\nfour\r\n") << QStringList{"one", "two ", "", "four"};
        QTest::newRow("lone CR ends a line") << QByteArray("one\rtwo\r\rfour") << QStringList{"one", "two", "", "four"};
    }

    void textFileKeepsItsLineEndsAndReadsLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, lines);
        TestEnvironment env;
        const QString path = QDir(env.programFolder()).filePath(QStringLiteral("a.txt"));
        QVERIFY(platform::WriteTextFile(path, QString::fromLatin1(text)));
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QCOMPARE(raw.readAll(), text);
        QStringList read;
        QVERIFY(platform::ReadTextLines(path, &read));
        QCOMPARE(read, lines);
    }

    void textFileFailuresAreReported()
    {
        TestEnvironment env;
        QStringList lines{"kept"};
        QVERIFY(!platform::ReadTextLines(QDir(env.programFolder()).filePath(QStringLiteral("missing.txt")), &lines));
        QCOMPARE(lines, QStringList{"kept"});
        QVERIFY(!platform::WriteTextFile(QDir(env.programFolder()).filePath(QStringLiteral("no/such/dir/a.txt")),
                                         QStringLiteral("x")));
    }

    void windowsLoadOnceAndUnloadInOrder()
    {
        TestEnvironment env;
        ProbeWindow* probe = platform::Forms::instance<ProbeWindow>();
        QCOMPARE(platform::Forms::instance<ProbeWindow>(), probe);
        QCOMPARE(probe->loads, 1);
        auto* outer = new RecordingWindow(QStringLiteral("outer"));
        platform::Forms::load(outer);
        auto* inner = new RecordingWindow(QStringLiteral("inner"), outer);
        platform::Forms::load(inner);
        QCOMPARE(platform::Forms::loaded().size(), std::size_t(3));
        QCOMPARE(platform::Forms::loaded().front(), static_cast<platform::Form*>(probe));

        platform::Forms::unload(outer);
        // The window held inside goes with it, after the outer unload step.
        QCOMPARE(unloadLog(), (QStringList{"outer", "inner"}));
        QVERIFY(!platform::Forms::isLoaded(inner));
        platform::Forms::unload(outer); // a second unload does nothing
        QCOMPARE(unloadLog().size(), 2);
        QCOMPARE(platform::Forms::loaded().size(), std::size_t(1));
    }
};

ORVANEL_TEST(TestPlatform)
#include "test_platform.moc"
