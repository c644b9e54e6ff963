// Card pictures shown from a record's field, decoded from memory, and temporary file names.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "card_fixture.h"
#include "courses/tarot/modImageDB.h"
#include "scoped_variable.h"
#include "test_registry.h"

namespace {

QByteArray pngPicture()
{
    QImage image(20, 40, QImage::Format_ARGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestPictureField : public QObject {
    Q_OBJECT
private slots:
    // Any failure leaves the target without a picture (even one shown before) and says false.
    void loadPicture_data()
    {
        QTest::addColumn<QVariant>("field");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QSize>("shown"); // empty: none
        const QByteArray jpeg = card_fixture::jpegPicture(9, QSize(300, 520));
        QTest::newRow("jpeg") << QVariant(jpeg) << "PictureData" << "" << QSize(300, 520);
        QTest::newRow("field name in another case") << QVariant(jpeg) << "picturedata" << "" << QSize(300, 520);
        QTest::newRow("png") << QVariant(pngPicture()) << "PictureData" << "" << QSize(20, 40);
        QTest::newRow("no bytes") << QVariant(QByteArray()) << "PictureData" << "" << QSize();
        QTest::newRow("null field") << QVariant(QMetaType(QMetaType::QByteArray)) << "PictureData" << "" << QSize();
        QTest::newRow("not a picture") << QVariant(QByteArray("a picture of the moon")) << "PictureData" << "" << QSize();
        QTest::newRow("only the jpeg header") << QVariant(jpeg.left(24)) << "PictureData" << "" << QSize();
        QTest::newRow("unknown field") << QVariant(jpeg) << "Picture" << "" << QSize();
        QTest::newRow("past the last record") << QVariant(jpeg) << "PictureData" << "next" << QSize();
        QTest::newRow("before the first record") << QVariant(jpeg) << "PictureData" << "previous" << QSize();
    }
    void loadPicture()
    {
        QFETCH(QVariant, field);
        QFETCH(QString, fieldName);
        QFETCH(QString, moves);
        QFETCH(QSize, shown);
        Recordset set({QStringLiteral("ID"), QStringLiteral("PictureData")}, {{QVariant(9), field}});
        if (moves == QLatin1String("next"))
            set.MoveNext();
        else if (moves == QLatin1String("previous"))
            set.MovePrevious();

        QLabel target;
        target.setPixmap(QPixmap::fromImage(QImage::fromData(pngPicture())));
        QCOMPARE(modImageDB::LoadPictureFromField(&target, set, fieldName), shown.isValid());
        QCOMPARE(target.pixmap().isNull(), !shown.isValid());
        if (shown.isValid())
            QCOMPARE(target.pixmap().size(), shown);
    }

    void pictureIsTheStoredOne()
    {
        const QByteArray jpeg = card_fixture::jpegPicture(17, QSize(30, 52));
        Recordset set({QStringLiteral("PictureData")}, {{QVariant(card_fixture::jpegPicture(3))}, {QVariant(jpeg)}});
        set.MoveLast();
        const QImage picture = modImageDB::PictureFromField(set, QStringLiteral("PictureData"));
        QCOMPARE(picture.pixelColor(15, 26).rgb(), QImage::fromData(jpeg).pixelColor(15, 26).rgb());
        QVERIFY(picture.pixelColor(15, 26).rgb() != QImage::fromData(card_fixture::jpegPicture(3)).pixelColor(15, 26).rgb());
        QVERIFY(!modImageDB::LoadPictureFromField(nullptr, set, QStringLiteral("PictureData")));
    }

    // Loading works in memory: the temporary folder stays empty.
    void loadingLeavesNoTemporaryFile()
    {
        QTemporaryDir temp;
        std::optional<ScopedVariable> tmpdir(std::in_place, "TMPDIR", temp.path());
        Recordset set({QStringLiteral("PictureData")}, {{QVariant(card_fixture::jpegPicture(1))}, {QVariant(QByteArray("bad"))}});
        QLabel target;
        const bool first = modImageDB::LoadPictureFromField(&target, set, QStringLiteral("PictureData"));
        set.MoveNext();
        const bool second = modImageDB::LoadPictureFromField(&target, set, QStringLiteral("PictureData"));
        tmpdir.reset();
        QVERIFY(first);
        QVERIFY(!second);
        QVERIFY(QDir(temp.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    void makeTempFileName_data()
    {
        QTest::addColumn<QString>("reported"); // the folder as the platform reports it; %1 = a real folder
        QTest::addColumn<QString>("prefix");
        QTest::newRow("without a trailing separator") << "%1" << "TMP";
        QTest::newRow("with a trailing separator") << "%1/" << "TMP";
        QTest::newRow("in native form") << "%1\\" << "pic";
        QTest::newRow("empty prefix") << "%1" << "";
    }
    void makeTempFileName()
    {
        QFETCH(QString, reported);
        QFETCH(QString, prefix);
        QTemporaryDir temp;
        QString folder = reported.arg(temp.path());
#ifndef Q_OS_WIN
        if (folder.endsWith(QLatin1Char('\\')))
            folder.chop(1); // only Windows writes folders with backslashes
#endif
        int asked = 0;
        modImageDB images([&] {
            ++asked;
            return folder;
        });
        QVERIFY(images.cachedTempFolder().isEmpty());
        const QString first = images.MakeTempFileName(prefix);
        const QString second = images.MakeTempFileName(prefix);
        QCOMPARE(images.cachedTempFolder(), temp.path() + QLatin1Char('/'));
        QCOMPARE(asked, 1); // looked up once
        QVERIFY(first != second);
        for (const QString& name : {first, second}) {
            const QFileInfo info(name);
            QVERIFY2(info.isFile(), qPrintable(name));
            QCOMPARE(info.size(), 0);
            QCOMPARE(info.absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
            QVERIFY(info.fileName().startsWith(prefix));
            QVERIFY(info.fileName().size() > prefix.size());
        }
    }

    void noTempFileWhereNoneCanBeMade()
    {
        QTemporaryDir temp;
        modImageDB images([&] { return temp.filePath(QStringLiteral("no/such/folder")); });
        QCOMPARE(images.MakeTempFileName(QStringLiteral("TMP")), QString());
        QVERIFY(images.cachedTempFolder().endsWith(QLatin1String("no/such/folder/")));
    }
};

ORVANEL_TEST(TestPictureField)
#include "test_picture_field.moc"
