// The card-set query built from the card choice, the tarot values' defaults and reading
// rules, and the turned card picture.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "courses/tarot/card_picture.h"
#include "courses/tarot/logic/card_query.h"
#include "courses/tarot/logic/tarot_settings.h"
#include "fixtures.h"
#include "platform/settings_store.h"
#include "test_registry.h"

class TestCardSelection : public QObject {
    Q_OBJECT

private slots:
    void cardQuery_data()
    {
        QTest::addColumn<bool>("major");
        QTest::addColumn<QList<bool>>("suits");
        QTest::addColumn<QString>("query");
        QTest::newRow("major, cups and swords")
            << true << QList<bool>{true, false, false, true}
            << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=4) ORDER BY ID";
        QTest::newRow("every card") << true << QList<bool>{true, true, true, true}
                                    << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR "
                                       "(Group=4) ORDER BY ID";
        QTest::newRow("major only") << true << QList<bool>{false, false, false, false}
                                    << "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID";
        QTest::newRow("wands only") << false << QList<bool>{false, true, false, false}
                                    << "SELECT * FROM tblCards WHERE (Group=2) ORDER BY ID";
        QTest::newRow("pentacles and swords") << false << QList<bool>{false, false, true, true}
                                              << "SELECT * FROM tblCards WHERE (Group=3) OR (Group=4) ORDER BY ID";
    }
    void cardQuery()
    {
        QFETCH(bool, major);
        QFETCH(QList<bool>, suits);
        QFETCH(QString, query);
        QCOMPARE(tarot::BuildCardQuery(major, {suits[0], suits[1], suits[2], suits[3]}), query);
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("value"); // -1: cannot be read
        const auto ticks = {&tarot_settings::MajorArcana, &tarot_settings::MinorArcana, &tarot_settings::Cups,
                            &tarot_settings::Wands, &tarot_settings::Pentacles, &tarot_settings::Swords};
        for (const platform::Setting<int>* tick : ticks) {
            QTest::addRow("%s absent", qPrintable(tick->name())) << tick->name() << QString() << 1;
            QTest::addRow("%s 0", qPrintable(tick->name())) << tick->name() << "0" << 0;
            QTest::addRow("%s text", qPrintable(tick->name())) << tick->name() << "yes" << -1;
        }
        QTest::newRow("TestType absent is keywords") << "TestType" << QString() << 1;
        QTest::newRow("TestType description") << "TestType" << "0" << 0;
        QTest::newRow("TestType 2 is no option") << "TestType" << "2" << -1;
        QTest::newRow("Difficulty absent is beginner") << "Difficulty" << QString() << 0;
        QTest::newRow("Difficulty advanced") << "Difficulty" << "2" << 2;
        QTest::newRow("Difficulty 3 is no level") << "Difficulty" << "3" << -1;
    }
    void storedValues()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(int, value);
        TestEnvironment env;
        if (!stored.isNull())
            QVERIFY(platform::SaveSetting(name, stored));
        const auto all = {&tarot_settings::MajorArcana, &tarot_settings::MinorArcana, &tarot_settings::Cups,
                          &tarot_settings::Wands, &tarot_settings::Pentacles, &tarot_settings::Swords,
                          &tarot_settings::TestType, &tarot_settings::Difficulty};
        for (const platform::Setting<int>* setting : all) {
            if (setting->name() != name)
                continue;
            const std::optional<int> read = setting->value();
            QCOMPARE(read.has_value(), value >= 0);
            if (read)
                QCOMPARE(*read, value);
            return;
        }
        QFAIL("no such tarot value");
    }

    void trayTickReadsTrueOnlyWhenStoredSo_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("absent") << QString() << false;
        QTest::newRow("True") << "True" << true;
        QTest::newRow("true") << "true" << false;
        QTest::newRow("1") << "1" << false;
    }
    void trayTickReadsTrueOnlyWhenStoredSo()
    {
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        TestEnvironment env;
        if (!stored.isNull())
            QVERIFY(platform::SaveSetting(QStringLiteral("RunAtSysTray"), stored));
        QCOMPARE(tarot_settings::RunAtSysTray.valueOr(!ticked), ticked);
        QCOMPARE(tarot_settings::RunAtSysTray.textOf(true), QStringLiteral("True"));
        QCOMPARE(tarot_settings::RunAtSysTray.textOf(false), QStringLiteral("False"));
    }

    void turnedPictureIsTheTwoFlips()
    {
        // An asymmetric picture: a gradient with a mark in one corner.
        QImage upright(15, 26, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < upright.height(); ++y)
            for (int x = 0; x < upright.width(); ++x)
                upright.setPixel(x, y, qRgb(x * 16, y * 9, 40));
        upright.setPixel(1, 2, qRgb(255, 255, 255));
        const QImage turned = card_picture::TurnedPicture(upright);
        QCOMPARE(turned.size(), upright.size());
        QCOMPARE(turned.convertToFormat(QImage::Format_RGB32), upright.mirrored(true, true).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(turned.pixel(15 - 1 - 1, 26 - 1 - 2), qRgb(255, 255, 255));
        QVERIFY(card_picture::TurnedPicture(QImage()).isNull());
    }
};

ORVANEL_TEST(TestCardSelection)
#include "test_card_selection.moc"
