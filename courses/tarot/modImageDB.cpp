#include "modImageDB.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryFile>

modImageDB::modImageDB(TempFolderSource tempFolder) : m_tempSource(std::move(tempFolder))
{
    if (!m_tempSource)
        m_tempSource = [] { return QDir::tempPath(); };
}

QString modImageDB::MakeTempFileName(const QString& prefix)
{
    if (m_tempFolder.isEmpty()) {
        m_tempFolder = QDir::fromNativeSeparators(m_tempSource());
        if (!m_tempFolder.endsWith(QLatin1Char('/')))
            m_tempFolder += QLatin1Char('/');
    }
    QTemporaryFile file(m_tempFolder + prefix + QStringLiteral("XXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return file.fileName();
}

QImage modImageDB::PictureFromField(const Recordset& recordset, const QString& fieldName)
{
    const QVariant field = recordset.Field(fieldName);
    if (!field.isValid() || field.isNull())
        return {};
    const QByteArray bytes = field.toByteArray();
    if (bytes.isEmpty())
        return {};
    return QImage::fromData(bytes);
}

bool modImageDB::LoadPictureFromField(QLabel* target, const Recordset& recordset, const QString& fieldName)
{
    if (!target)
        return false;
    const QImage picture = PictureFromField(recordset, fieldName);
    if (picture.isNull()) {
        target->clear();
        return false;
    }
    target->setPixmap(QPixmap::fromImage(picture));
    return true;
}
