// Arrays that may be without bounds, and the questions the tarot course asks of them.
#include <QTest>

#include "courses/tarot/logic/modGlobals.h"
#include "test_registry.h"

using namespace modGlobals;

class TestArrayHelpers : public QObject {
    Q_OBJECT
private slots:
    void arrayWithoutBoundsHoldsNothing()
    {
        DynamicArray<std::int32_t> ids;
        DynamicArray<QString> words;
        DynamicArray<GoalRecord> goals;
        QVERIFY(!IsDimensionedLong(ids));
        QVERIFY(!IsDimensionedString(words));
        QVERIFY(!IsDimensionedGoals(goals));
        QVERIFY(!IsInArrayLong(0, ids));
        QVERIFY(!IsInArrayString(QString(), words));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ids.upperBound());
    }

    void erasedArrayLosesItsBounds()
    {
        DynamicArray<std::int32_t> ids{4, 9};
        QVERIFY(IsDimensionedLong(ids));
        QVERIFY(IsInArrayLong(9, ids));
        ids.erase();
        QVERIFY(!IsDimensionedLong(ids));
        QVERIFY(!IsInArrayLong(9, ids));
    }

    void sizedStringsHoldTheEmptyText()
    {
        DynamicArray<QString> words;
        words.redim(6);
        QCOMPARE(words.upperBound(), 6);
        QVERIFY(IsDimensionedString(words));
        QVERIFY(IsInArrayString(QString(), words));
        words[3] = QStringLiteral("Love");
        QVERIFY(IsInArrayString(QStringLiteral("Love"), words));
        QVERIFY(!IsInArrayString(QStringLiteral("love"), words));
    }

    void lowerBoundAboveUpperHoldsNothing()
    {
        DynamicArray<std::int32_t> ids;
        ids.redim(-1);
        QVERIFY(IsDimensionedLong(ids));
        QCOMPARE(ids.size(), 0);
        QVERIFY(!IsInArrayLong(0, ids));
    }

    void appendGivesFirstPositionZeroAndKeepsOthers()
    {
        DynamicArray<GoalRecord> goals;
        GoalRecord first;
        first.Name = QStringLiteral("first");
        goals.append(first);
        QVERIFY(IsDimensionedGoals(goals));
        QCOMPARE(goals.upperBound(), 0);
        GoalRecord second;
        second.Name = QStringLiteral("second");
        goals.append(second);
        QCOMPARE(goals.upperBound(), 1);
        QCOMPARE(goals[0].Name, QStringLiteral("first"));
        goals.redim(2, true);
        QCOMPARE(goals[1].Name, QStringLiteral("second"));
        goals.redim(0);
        QCOMPARE(goals[0].Name, QString());
    }
};

ORVANEL_TEST(TestArrayHelpers)
#include "test_array_helpers.moc"
