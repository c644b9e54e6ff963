// The update reminder's day rule and the scrambler that hides its stamp.
#include <QSettings>
#include <QTest>

#include "fixtures.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/web_browser.h"
#include "shell/update_reminder.h"
#include "test_registry.h"

namespace {
const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");
const QString DownloadPage = QStringLiteral("https://www.orvanel.net/download-Orvanel.html");

QString storedStamp() { return modHelp::LastReminder().valueOr(QString()); }

void storeStamp(const QDateTime& moment) { QVERIFY(modHelp::LastReminder().save(modHelp::GeneralDateTimeText(moment))); }
} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT
private slots:
    void scramble_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("name") << QStringLiteral("Duration")
                              << QString::fromLatin1("\x99\xca\xc7\xb6\xc9\xbe\xc4\xc3");
        QTest::newRow("code 170 is the last kept") << QString(QChar(170)) << QString(QChar(255));
        QTest::newRow("codes above 170 are left out")
            << (QStringLiteral("a") + QChar(171) + QStringLiteral("b") + QChar(250))
            << QString::fromLatin1("\xb6\xb7");
        QTest::newRow("beyond the code page") << QString(QChar(0x20ac)) << QString(QChar('?' + 85));
    }
    void scramble()
    {
        QFETCH(QString, plain);
        QFETCH(QString, scrambled);
        QCOMPARE(modHelp::ScrambleText(plain), scrambled);
    }

    // Both the stamp's name and its text are stored scrambled; stored files rely on it.
    void stampIsStoredScrambled()
    {
        TestEnvironment env;
        const QDateTime now(QDate(2026, 6, 20), QTime(12, 0));
        platform::setFixedNow(now);
        modHelp::ShowUpdateReminder();
        QCOMPARE(modHelp::LastReminder().name(), QString::fromLatin1("\x99\xca\xc7\xb6\xc9\xbe\xc4\xc3"));
        QCOMPARE(modHelp::LastReminder().text(), modHelp::ScrambleText(modHelp::GeneralDateTimeText(now)));
        QCOMPARE(storedStamp(), modHelp::GeneralDateTimeText(now));
    }

    void unscrambleDropsCodesBelow85()
    {
        QCOMPARE(modHelp::UnscrambleText(QStringLiteral("A") + QChar(85 + 49)), QStringLiteral("1"));
    }

    void roundTripOfDateTexts_data()
    {
        QTest::addColumn<QString>("locale");
        // Day-period texts in the time: "ÖS" in tr_CY (beyond what the scrambler keeps), two
        // words, "da tarde", in pt_MO.
        for (const char* name : {"C", "en_US", "de_DE", "fr_FR", "ja_JP", "ko_KR", "ar_EG", "el_GR", "th_TH", "tr_CY", "pt_MO"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void roundTripOfDateTexts()
    {
        QFETCH(QString, locale);
        QCOMPARE(QLocale(locale).name(), locale); // Qt's own locale data, whatever the system has
        QLocale::setDefault(QLocale(locale));
        const QDateTime moment(QDate(2026, 12, 8), QTime(21, 5, 7));
        const QString text = modHelp::GeneralDateTimeText(moment);
        const QDateTime back = modHelp::ParseGeneralDateTime(modHelp::UnscrambleText(modHelp::ScrambleText(text)));
        QLocale::setDefault(QLocale::system());
        QCOMPARE(back, moment);
    }

    void firstRunStoresSilently()
    {
        TestEnvironment env;
        const QDateTime now(QDate(2026, 3, 1), QTime(9, 30));
        platform::setFixedNow(now);
        modHelp::ShowUpdateReminder();
        QVERIFY(env.messages.empty());
        QVERIFY(env.openedPages.isEmpty());
        QCOMPARE(modHelp::ParseGeneralDateTime(storedStamp()), now);
        // Both the value's name and its text are scrambled in the file.
        QSettings raw(env.settingsFile(), QSettings::IniFormat);
        QVERIFY(!raw.contains(QStringLiteral("Settings/Duration")));
    }

    void dayBoundaries_data()
    {
        QTest::addColumn<int>("stampDaysFromToday");
        QTest::addColumn<bool>("asks");
        QTest::newRow("same day") << 0 << false;
        QTest::newRow("14 days old") << -14 << false;
        QTest::newRow("15 days old") << -15 << true;
        QTest::newRow("a year old") << -365 << true;
        QTest::newRow("14 days ahead") << 14 << false;
        QTest::newRow("15 days ahead") << 15 << true;
    }
    void dayBoundaries()
    {
        QFETCH(int, stampDaysFromToday);
        QFETCH(bool, asks);
        TestEnvironment env;
        // Late in the day versus early in the day: only calendar days count.
        const QDateTime now(QDate(2026, 6, 20), QTime(0, 5));
        storeStamp(QDateTime(now.date().addDays(stampDaysFromToday), QTime(23, 55)));
        const QString before = storedStamp();
        platform::setFixedNow(now);
        env.queueAnswer(platform::vbNo);
        modHelp::ShowUpdateReminder();
        if (asks) {
            QCOMPARE(env.messages.size(), std::size_t(1));
            QCOMPARE(env.lastPrompt(), Question);
            QCOMPARE(env.messages.front().style, 68);
            // No still stores a fresh stamp.
            QCOMPARE(modHelp::ParseGeneralDateTime(storedStamp()), now);
        } else {
            QVERIFY(env.messages.empty());
            QCOMPARE(storedStamp(), before);
        }
        QVERIFY(env.openedPages.isEmpty());
    }

    void yesStoresThenOpensDownloadPage()
    {
        TestEnvironment env;
        const QDateTime now(QDate(2026, 6, 20), QTime(12, 0));
        storeStamp(now.addDays(-30));
        platform::setFixedNow(now);
        QString stampWhenPageOpened;
        platform::setWebPageOpener([&](const QString& page) {
            env.openedPages << page;
            stampWhenPageOpened = storedStamp();
        });
        env.queueAnswer(platform::vbYes);
        modHelp::ShowUpdateReminder();
        QCOMPARE(env.openedPages, QStringList{DownloadPage});
        QCOMPARE(modHelp::ParseGeneralDateTime(stampWhenPageOpened), now);
        // Asked once: the next call the same day is silent.
        modHelp::ShowUpdateReminder();
        QCOMPARE(env.messages.size(), std::size_t(1));
    }

    void unreadableStampIsReplacedSilently()
    {
        TestEnvironment env;
        QVERIFY(modHelp::LastReminder().save(QStringLiteral("not a date")));
        const QDateTime now(QDate(2026, 6, 20), QTime(12, 0));
        platform::setFixedNow(now);
        modHelp::ShowUpdateReminder();
        QVERIFY(env.messages.empty());
        QCOMPARE(modHelp::ParseGeneralDateTime(storedStamp()), now);
        // From now on the reminder works again.
        platform::setFixedNow(now.addDays(20));
        modHelp::ShowUpdateReminder();
        QCOMPARE(env.messages.size(), std::size_t(1));
    }
};

ORVANEL_TEST(TestUpdateReminder)
#include "test_update_reminder.moc"
