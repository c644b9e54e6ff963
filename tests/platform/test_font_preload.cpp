// The start-up font worker: it looks fonts up while this thread measures them, and ends
// whether or not it was handed any fonts (the program refusing a second copy never hands
// them). Under the sanitizers this also checks that the shared font database takes the
// worker's lookups safely.
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>
#include <thread>

#include "platform/font_preload.h"
#include "test_registry.h"

namespace {

QList<QFont> windowFonts()
{
    QFont bold(QStringLiteral("Verdana"), 9, QFont::Bold);
    bold.setStyleHint(QFont::SansSerif);
    QFont large(QStringLiteral("Verdana"), 12, QFont::Bold);
    large.setStyleHint(QFont::SansSerif);
    QFont serif(QStringLiteral("Georgia"), 10);
    serif.setStyleHint(QFont::Serif);
    return {bold, large, serif};
}

// Family and width of a sample for each font, as the calling thread resolves them.
QStringList measured(const QList<QFont>& fonts)
{
    QStringList out;
    for (const QFont& font : fonts)
        out << QStringLiteral("%1 %2").arg(QFontInfo(font).family()).arg(QFontMetrics(font).horizontalAdvance(QStringLiteral("Learn Tarot")));
    return out;
}

} // namespace

class TestFontPreload : public QObject {
    Q_OBJECT

private slots:
    void endsInAnyOrder_data()
    {
        QTest::addColumn<QString>("order");
        QTest::newRow("fonts handed, then measured here meanwhile") << "hand measure wait";
        QTest::newRow("never handed any fonts") << "wait";
        QTest::newRow("handed after it was ended") << "wait hand";
    }

    void endsInAnyOrder()
    {
        QFETCH(QString, order);
        const QList<QFont> fonts = windowFonts();
        QStringList here;
        {
            platform::FontPreload preload;
            for (const QString& step : order.split(QLatin1Char(' '))) {
                if (step == QLatin1String("hand"))
                    preload.preload(fonts);
                else if (step == QLatin1String("measure"))
                    here = measured(fonts);
                else
                    preload.wait();
            }
        }
        if (here.isEmpty())
            return;
        // A thread of its own resolves every font afresh: the same families and widths.
        QStringList fresh;
        std::thread([&] { fresh = measured(fonts); }).join();
        QCOMPARE(here, fresh);
        for (const QString& line : here)
            QVERIFY2(!line.startsWith(QLatin1Char(' ')), qPrintable(line));
    }
};

ORVANEL_TEST(TestFontPreload)
#include "test_font_preload.moc"
