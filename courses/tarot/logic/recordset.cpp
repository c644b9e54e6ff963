#include "recordset.h"

#include <QRegularExpression>
#include <algorithm>

Recordset::Recordset(QStringList fieldNames, std::vector<Row> rows)
{
    auto table = std::make_shared<Table>();
    for (int i = 0; i < fieldNames.size(); ++i)
        table->columns.insert(fieldNames.at(i).toCaseFolded(), i); // a later same-named column loses
    table->names = std::move(fieldNames);
    table->rows = std::move(rows);
    m_table = std::move(table);
}

void Recordset::Close() { *this = Recordset(); }

int Recordset::RecordCount() const
{
    if (!m_table)
        return 0;
    return static_cast<int>(m_view ? m_view->size() : m_table->rows.size());
}

bool Recordset::Bof() const { return RecordCount() == 0 || m_position < 0; }

bool Recordset::Eof() const { return RecordCount() == 0 || m_position >= RecordCount(); }

int Recordset::AbsolutePosition() const { return Bof() || Eof() ? 0 : m_position + 1; }

bool Recordset::settle()
{
    m_position = std::clamp(m_position, -1, RecordCount());
    return !Bof() && !Eof();
}

bool Recordset::MoveFirst()
{
    m_position = 0;
    return settle();
}

bool Recordset::MoveLast()
{
    m_position = RecordCount() - 1;
    return settle();
}

bool Recordset::MoveNext() { return Move(1); }

bool Recordset::MovePrevious() { return Move(-1); }

bool Recordset::Move(int n)
{
    // Widen first: a huge count must not overflow the position.
    const long long target = static_cast<long long>(m_position) + n;
    m_position = static_cast<int>(std::clamp<long long>(target, -1, RecordCount()));
    return settle();
}

bool Recordset::Filter(const QString& criteria)
{
    if (!m_table)
        return false;
    const QString text = criteria.trimmed();
    if (text.isEmpty()) {
        m_view.reset();
        m_filterText.clear();
        MoveFirst();
        return true;
    }
    static const QRegularExpression form(QStringLiteral(R"(^\s*\[?(\w+)\]?\s*=\s*(-?\d+|'[^']*')\s*$)"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const int col = column(match.captured(1));
    if (col < 0)
        return false;
    const QString value = match.captured(2);
    const bool quoted = value.startsWith(QLatin1Char('\''));
    const QString wantedText = quoted ? value.mid(1, value.size() - 2) : QString();
    const qlonglong wantedNumber = quoted ? 0 : value.toLongLong();

    std::vector<int> view;
    for (int i = 0; i < static_cast<int>(m_table->rows.size()); ++i) {
        const QVariant& field = m_table->rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(col)];
        if (field.isNull())
            continue;
        bool numeric = false;
        const qlonglong number = field.toLongLong(&numeric);
        if (quoted ? field.toString() == wantedText : (numeric && number == wantedNumber))
            view.push_back(i);
    }
    m_view = std::move(view);
    m_filterText = text;
    MoveFirst();
    return true;
}

int Recordset::column(const QString& name) const
{
    return m_table ? m_table->columns.value(name.toCaseFolded(), -1) : -1;
}

const Recordset::Row* Recordset::currentRow() const
{
    if (Bof() || Eof())
        return nullptr;
    const int row = m_view ? (*m_view)[static_cast<std::size_t>(m_position)] : m_position;
    return &m_table->rows[static_cast<std::size_t>(row)];
}

QVariant Recordset::Field(const QString& name) const
{
    const int col = column(name);
    const Row* row = currentRow();
    if (col < 0 || !row)
        return {};
    return (*row)[static_cast<std::size_t>(col)];
}

bool Recordset::hasField(const QString& name) const { return column(name) >= 0; }

QStringList Recordset::fieldNames() const { return m_table ? m_table->names : QStringList(); }
