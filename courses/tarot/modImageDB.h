#pragma once
// Card pictures stored in a database field, shown in a picture control, and unique temporary
// file names.
#include <QImage>
#include <QString>
#include <functional>

#include "courses/tarot/logic/recordset.h"

class QLabel;

class modImageDB {
public:
    // Where the user's temporary folder is; tests give their own.
    using TempFolderSource = std::function<QString()>;

    explicit modImageDB(TempFolderSource tempFolder = {});

    // Full path of a new, empty, uniquely named file in the temporary folder whose name starts
    // with prefix; empty when no file can be made there.
    QString MakeTempFileName(const QString& prefix);
    // The temporary folder as cached by the first MakeTempFileName; ends with "/".
    QString cachedTempFolder() const { return m_tempFolder; }

    // Decodes the picture in the named field of the current record, from memory. A null image
    // when there is no current record, no such field, or bytes that are no loadable picture.
    static QImage PictureFromField(const Recordset& recordset, const QString& fieldName);
    // Shows that picture in target; on any failure clears target and returns false.
    static bool LoadPictureFromField(QLabel* target, const Recordset& recordset, const QString& fieldName);

private:
    TempFolderSource m_tempSource;
    QString m_tempFolder;
};
