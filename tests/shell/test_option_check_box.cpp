// The check box with a wrapped caption, used for long answer options.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

#include "shell/option_check_box.h"
#include "test_registry.h"

namespace {

const QString LongCaption = QStringLiteral(
    "This is the 'sun' rune which indicates victory. There may be a sudden change but always for the better. "
    "It shows good health and lot of energy. There may also be ESP related to the divine world.");

} // namespace

class TestOptionCheckBox : public QObject {
    Q_OBJECT

private slots:
    // The caption is kept exactly for the answer check, line breaks and all.
    void captionKeptExactly_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("one line") << QStringLiteral("Wealth");
        QTest::newRow("two paragraphs") << QStringLiteral("First part.\r\nSecond part.");
        QTest::newRow("blanks at the ends") << QStringLiteral(" Knowledge ");
        QTest::newRow("long") << LongCaption;
    }

    void captionKeptExactly()
    {
        QFETCH(QString, caption);
        OptionCheckBox box;
        box.setCaption(caption);
        QCOMPARE(box.text(), caption);
    }

    // A long caption wraps: the narrower the box, the taller, and never shorter than one line.
    void longCaptionGrowsInHeight()
    {
        OptionCheckBox box;
        box.setCaption(QStringLiteral("Joy"));
        const int oneLine = box.heightForWidth(400);
        box.setCaption(LongCaption);
        QVERIFY(box.hasHeightForWidth());
        QVERIFY(box.heightForWidth(400) > oneLine);
        QVERIFY(box.heightForWidth(200) > box.heightForWidth(400));
        QVERIFY(box.heightForWidth(4000) >= oneLine);
        QCOMPARE(box.sizeHint().height(), box.heightForWidth(box.sizeHint().width()));
    }

    // The whole area ticks the box, not only the indicator: a click on the caption's last line does.
    void clickAnywhereTicks()
    {
        OptionCheckBox box;
        box.setCaption(LongCaption);
        box.resize(300, box.heightForWidth(300));
        box.show();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.width() - 5, box.height() - 3));
        QVERIFY(box.isChecked());
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.width() / 2, 2));
        QVERIFY(!box.isChecked());
    }

    // A screen reader's toggle changes the tick and says so through toggled.
    void screenReaderToggles()
    {
        OptionCheckBox box;
        box.setCaption(LongCaption);
        QSignalSpy toggled(&box, &QAbstractButton::toggled);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
        QVERIFY(accessible && accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(box.isChecked());
        QCOMPARE(toggled.size(), 1);
        QCOMPARE(accessible->text(QAccessible::Name), LongCaption);
    }
};

ORVANEL_TEST(TestOptionCheckBox)
#include "test_option_check_box.moc"
