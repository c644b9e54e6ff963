// The card database the build makes from the card texts and pictures, opened where the course
// opens it: learn.dll in the program folder.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "courses/tarot/logic/modDB.h"
#include "tarot_decks.h"
#include "fixtures.h"
#include "test_registry.h"

namespace {

// Runs of five words, in lower case, for comparing two texts.
QSet<QString> shingles(const QString& text)
{
    const QStringList words = text.toLower().split(QRegularExpression(QStringLiteral("[^a-z']+")), Qt::SkipEmptyParts);
    QSet<QString> runs;
    for (qsizetype i = 0; i + 5 <= words.size(); ++i)
        runs.insert(words.mid(i, 5).join(QLatin1Char(' ')));
    return runs;
}

} // namespace

class TestLearnDll : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        const QString built = QStringLiteral(ORVANEL_BINARY_DIR "/learn.dll");
        QVERIFY2(QFile::exists(built), "the build makes learn.dll beside the program");
        QVERIFY(QFile::copy(built, tarot_decks::besideProgram()));
        QVERIFY2(m_db.OpenConnection(m_db.CardConnection, modDB::CardDatabasePath()), qPrintable(m_db.lastError()));
        QVERIFY(m_db.OpenRecordset(m_db.CardRecordset, m_db.CardConnection, QStringLiteral("SELECT * FROM tblCards")));
    }
    void cleanup()
    {
        m_db.CardRecordset.Close();
        m_db.CardConnection.Close();
        m_env.reset();
    }

    void groupsHoldTheirCards_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("firstId");
        QTest::addColumn<int>("count");
        QTest::newRow("major arcana") << 0 << 1 << 22;
        QTest::newRow("cups") << 1 << 23 << 14;
        QTest::newRow("wands") << 2 << 37 << 14;
        QTest::newRow("pentacles") << 3 << 51 << 14;
        QTest::newRow("swords") << 4 << 65 << 14;
    }
    void groupsHoldTheirCards()
    {
        QFETCH(int, group);
        QFETCH(int, firstId);
        QFETCH(int, count);
        Recordset set;
        QVERIFY(m_db.OpenRecordset(set, m_db.CardConnection, QStringLiteral("SELECT * FROM tblCards WHERE (Group=%1) ORDER BY ID").arg(group)));
        QCOMPARE(set.RecordCount(), count);
        int expected = firstId;
        for (bool more = set.MoveFirst(); more; more = set.MoveNext())
            QCOMPARE(set.Field(QStringLiteral("Id")).toInt(), expected++);
        QVERIFY2(m_db.CardSetProblem(set, m_db.CardConnection).isEmpty(), qPrintable(m_db.CardSetProblem(set, m_db.CardConnection)));
    }

    void everyCardIsWhole()
    {
        Recordset& cards = m_db.CardRecordset;
        QCOMPARE(cards.RecordCount(), 78);
        QSet<QString> names;
        for (bool more = cards.MoveFirst(); more; more = cards.MoveNext()) {
            const QString name = cards.Field(QStringLiteral("Name")).toString();
            const QString label = QStringLiteral("card %1 %2").arg(cards.Field(QStringLiteral("ID")).toInt()).arg(name);
            QVERIFY2(!name.isEmpty() && name.size() <= 25, qPrintable(label));
            names.insert(name);
            for (const char* field : {"normalmeaning", "reversedmeaning"}) {
                const int length = static_cast<int>(cards.Field(QLatin1String(field)).toString().size());
                QVERIFY2(length >= 250 && length <= 700, qPrintable(label + QStringLiteral(": %1 of %2").arg(length).arg(QLatin1String(field))));
            }

            Recordset keywords;
            QVERIFY(m_db.OpenRecordset(keywords, m_db.CardConnection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=") +
                                                                          cards.Field(QStringLiteral("Id")).toString()));
            QSet<QString> distinct;
            for (bool k = keywords.MoveFirst(); k; k = keywords.MoveNext())
                distinct.insert(keywords.Field(QStringLiteral("Keyword")).toString().toCaseFolded());
            QVERIFY2(keywords.RecordCount() == 7 && distinct.size() == 7 && !distinct.contains(QString()), qPrintable(label));

            const QImage picture = QImage::fromData(cards.Field(QStringLiteral("PictureData")).toByteArray());
            QVERIFY2(!picture.isNull(), qPrintable(label + QStringLiteral(": picture does not decode")));
            // The 150 x 260 box at twice the pixels: sharp on a screen at twice the scale.
            QVERIFY2(picture.size() == QSize(300, 520),
                     qPrintable(label + QStringLiteral(": picture of %1 x %2").arg(picture.width()).arg(picture.height())));
        }
        QCOMPARE(names.size(), 78);
    }

    // The database ships with the program and is read whole: it stays under 4 MB.
    void databaseStaysSmall()
    {
        const qint64 bytes = QFileInfo(QStringLiteral(ORVANEL_BINARY_DIR "/learn.dll")).size();
        QVERIFY2(bytes > 0 && bytes < 4'000'000, qPrintable(QStringLiteral("learn.dll holds %1 bytes").arg(bytes)));
    }

    // No meaning may be a near copy of another: they share few runs of five words.
    void meaningsAreTheirOwn()
    {
        Recordset& cards = m_db.CardRecordset;
        std::vector<std::pair<QString, QSet<QString>>> meanings;
        for (bool more = cards.MoveFirst(); more; more = cards.MoveNext()) {
            for (const char* field : {"normalmeaning", "reversedmeaning"})
                meanings.emplace_back(cards.Field(QStringLiteral("Name")).toString() + QLatin1Char(' ') + QLatin1String(field),
                                      shingles(cards.Field(QLatin1String(field)).toString()));
        }
        QCOMPARE(static_cast<int>(meanings.size()), 156);
        for (std::size_t a = 0; a < meanings.size(); ++a) {
            for (std::size_t b = a + 1; b < meanings.size(); ++b) {
                const auto& [nameA, runsA] = meanings[a];
                const auto& [nameB, runsB] = meanings[b];
                const qsizetype shared = QSet<QString>(runsA).intersect(runsB).size();
                const qsizetype smaller = std::max<qsizetype>(1, std::min(runsA.size(), runsB.size()));
                QVERIFY2(shared * 5 < smaller, qPrintable(QStringLiteral("%1 and %2 share %3 of %4 word runs").arg(nameA, nameB).arg(shared).arg(smaller)));
            }
        }
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
    modDB m_db;
};

ORVANEL_TEST(TestLearnDll)
#include "test_learn_dll.moc"
