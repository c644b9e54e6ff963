// Emptying the clipboard: every format goes, and an already empty clipboard is not asked
// again until something is put in it.
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "platform/clipboard.h"
#include "test_registry.h"

class TestClipboard : public QObject {
    Q_OBJECT

private slots:
    // Steps: "set" puts text in the clipboard, "select" in the selection (where there is
    // one), "clear" empties. After each step: is the clipboard empty, and how many times
    // was it emptied in all.
    void emptiesOnlyWhatHoldsSomething_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("clipboardClears");
        QTest::newRow("once") << QStringList{"set", "clear"} << 1;
        QTest::newRow("twice in a row") << QStringList{"set", "clear", "clear", "clear"} << 1;
        QTest::newRow("filled again between") << QStringList{"set", "clear", "set", "clear"} << 2;
        QTest::newRow("selection changes alone") << QStringList{"set", "clear", "select", "clear"} << 1;
    }

    void emptiesOnlyWhatHoldsSomething()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, clipboardClears);
        QClipboard* clipboard = QGuiApplication::clipboard();
        QVERIFY(clipboard);
        int clears = 0;
        const auto counter = connect(clipboard, &QClipboard::changed, this, [&](QClipboard::Mode mode) {
            if (mode == QClipboard::Clipboard && clipboard->text(QClipboard::Clipboard).isEmpty())
                ++clears;
        });
        for (const QString& step : steps) {
            if (step == QLatin1String("set"))
                clipboard->setText(QStringLiteral("copied"), QClipboard::Clipboard);
            else if (step == QLatin1String("select") && clipboard->supportsSelection())
                clipboard->setText(QStringLiteral("selected"), QClipboard::Selection);
            else if (step == QLatin1String("clear"))
                platform::ClearClipboard();
        }
        disconnect(counter);
        QVERIFY(clipboard->text(QClipboard::Clipboard).isEmpty());
        if (clipboard->supportsSelection())
            QVERIFY(clipboard->text(QClipboard::Selection).isEmpty());
        QCOMPARE(clears, clipboardClears);
    }
};

ORVANEL_TEST(TestClipboard)
#include "test_clipboard.moc"
