// Wrapped labels answer layouts from measures they share, and the answers stay those of a
// plain label for what each label holds now.
#include <QTest>

#include "shell/wrapped_label.h"
#include "test_registry.h"

namespace {
const QString Long = QStringLiteral(
    "Here you can select the cards you want to practice or memorize. You can change these whenever you want, "
    "or when you have cleared one objective.");

QLabel* plainLike(const WrappedLabel& label)
{
    auto* plain = new QLabel(label.text());
    plain->setWordWrap(label.wordWrap());
    plain->setFont(label.font());
    plain->setContentsMargins(label.contentsMargins());
    plain->setMargin(label.margin());
    return plain;
}

void expectPlainAnswers(const WrappedLabel& label)
{
    std::unique_ptr<QLabel> plain(plainLike(label));
    QCOMPARE(label.sizeHint(), plain->sizeHint());
    QCOMPARE(label.minimumSizeHint(), plain->minimumSizeHint());
    for (int width : {60, 150, 320, 700})
        QCOMPARE(label.heightForWidth(width), plain->heightForWidth(width));
}
} // namespace

class TestWrappedLabel : public QObject {
    Q_OBJECT
private slots:
    void answersAreThoseOfAPlainLabel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wrap");
        QTest::newRow("long, wrapped") << Long << true;
        QTest::newRow("long, one line") << Long << false;
        QTest::newRow("short") << QStringLiteral("Keywords (same for both)") << true;
        QTest::newRow("empty") << QString() << true;
    }
    void answersAreThoseOfAPlainLabel()
    {
        QFETCH(QString, text);
        QFETCH(bool, wrap);
        WrappedLabel label(text);
        label.setWordWrap(wrap);
        expectPlainAnswers(label);
        // Asked again, from what is kept.
        expectPlainAnswers(label);
    }

    // A kept answer never stands for another text, font or margin.
    void changesAreMeasuredAnew()
    {
        WrappedLabel label(Long);
        label.setWordWrap(true);
        const int before = label.heightForWidth(200);
        label.setText(Long + QLatin1Char(' ') + Long);
        QVERIFY(label.heightForWidth(200) > before);
        expectPlainAnswers(label);
        QFont big = label.font();
        big.setPointSizeF(big.pointSizeF() * 2);
        label.setFont(big);
        expectPlainAnswers(label);
        label.setMargin(9);
        expectPlainAnswers(label);
    }

    // Two labels of the same text share one measure; changing texts do not pile up.
    void measuresAreSharedAndBounded()
    {
        WrappedLabel first(Long);
        first.setWordWrap(true);
        first.heightForWidth(240);
        const int kept = WrappedLabel::keptMeasures();
        WrappedLabel second(Long);
        second.setWordWrap(true);
        QCOMPARE(second.heightForWidth(240), first.heightForWidth(240));
        QCOMPARE(WrappedLabel::keptMeasures(), kept);
        for (int i = 0; i < 2000; ++i) {
            first.setText(QStringLiteral("Question %1 of 78").arg(i));
            first.sizeHint();
        }
        QVERIFY(WrappedLabel::keptMeasures() <= 512);
        expectPlainAnswers(first);
    }
};

ORVANEL_TEST(TestWrappedLabel)
#include "test_wrapped_label.moc"
