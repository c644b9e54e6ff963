#pragma once
// A set of records read whole into memory when it opens, like a client-side cursor: exact
// record count, moves in both directions, a filter on one field, fields read by name without
// regard to case.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

class Recordset {
public:
    using Row = std::vector<QVariant>;

    Recordset() = default;
    // An open set over these columns and rows, its first record current.
    Recordset(QStringList fieldNames, std::vector<Row> rows);

    bool isOpen() const { return m_table != nullptr; }
    // Releases the records; the set is then closed and empty.
    void Close();

    // Records in the set as it stands (after the filter).
    int RecordCount() const;
    // Before the first record, after the last one; both hold in an empty set.
    bool Bof() const;
    bool Eof() const;
    // Position of the current record counted from 1, or 0 when there is none.
    int AbsolutePosition() const;

    // Each returns whether a record is current afterwards. Moving past the last record leaves
    // the set at its end (Eof), moving before the first at its start (Bof).
    bool MoveFirst();
    bool MoveLast();
    bool MoveNext();
    bool MovePrevious();
    // n records forward from the current one (back for negative n).
    bool Move(int n);

    // "FIELD=value" narrows the set to the records whose field equals the value (a whole
    // number, or a text in single quotes) and makes the first of them current; the empty text
    // removes the filter and makes the first record current. Returns false, and leaves the
    // set unchanged, for a text of another form or an unknown field.
    bool Filter(const QString& criteria);
    QString filterText() const { return m_filterText; }

    // The named field of the current record (any case); an invalid QVariant when there is no
    // current record or no such field.
    QVariant Field(const QString& name) const;
    bool hasField(const QString& name) const;
    QStringList fieldNames() const;

private:
    struct Table {
        QStringList names;
        QHash<QString, int> columns; // case-folded name -> column
        std::vector<Row> rows;
    };

    int column(const QString& name) const;
    const Row* currentRow() const;
    bool settle(); // clamps the position to Bof/Eof, returns whether a record is current

    std::shared_ptr<const Table> m_table;
    std::optional<std::vector<int>> m_view; // rows that pass the filter; none = all rows
    int m_position = 0;                     // index into the view; -1 = Bof, count = Eof
    QString m_filterText;
};
