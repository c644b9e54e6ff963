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
        QVERIFY(!ids.hasBounds());
        QVERIFY(!words.hasBounds());
        QVERIFY(!IsDimensionedGoals(goals));
        QVERIFY(!IsInArrayLong(0, ids));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ids.upperBound());
    }

    void erasedArrayLosesItsBounds()
    {
        DynamicArray<std::int32_t> ids{4, 9};
        QVERIFY(ids.hasBounds());
        QVERIFY(IsInArrayLong(9, ids));
        ids.erase();
        QVERIFY(!ids.hasBounds());
        QVERIFY(!IsInArrayLong(9, ids));
    }

    void sizedStringsHoldTheEmptyText()
    {
        DynamicArray<QString> words;
        words.redim(6);
        QCOMPARE(words.upperBound(), 6);
        QVERIFY(words.hasBounds());
        QCOMPARE(words[6], QString());
    }

    void lowerBoundAboveUpperHoldsNothing()
    {
        DynamicArray<std::int32_t> ids;
        ids.redim(-1);
        QVERIFY(ids.hasBounds());
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
