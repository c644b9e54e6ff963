#include "courses/tarot/logic/goals_format.h"

#include <algorithm>
#include <optional>

#include "platform/plain_text.h"

namespace modGoals {
namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

QString quotedField(const QString& text)
{
    QString field = platform::WithLineFeeds(text);
    field.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString dateField(const QDate& date) { return QLatin1Char('#') + date.toString(DateFormat) + QLatin1Char('#'); }

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// How the texts of a record treat a double quote inside them.
enum class Quotes {
    Doubled, // "" stands for one quote, a lone quote ends the text
    Kept,    // every quote is text except the one followed by ",#"
};

// Reads one record of six fields and its line end, starting at a position in the text.
class RecordReader {
public:
    RecordReader(const QString& text, qsizetype pos, Quotes quotes) : m_text(text), m_pos(pos), m_quotes(quotes) {}

    std::optional<GoalRecord> read()
    {
        GoalRecord goal;
        const auto name = quoted();
        if (!name || !separator())
            return std::nullopt;
        const auto start = date();
        if (!start || !separator())
            return std::nullopt;
        const auto end = date();
        if (!end || !separator())
            return std::nullopt;
        const auto description = quoted();
        if (!description || !separator())
            return std::nullopt;
        const auto achieved = boolean();
        if (!achieved || !separator())
            return std::nullopt;
        const auto percentage = number();
        if (!percentage || !lineEnd())
            return std::nullopt;
        goal.Name = *name;
        goal.StartDate = *start;
        goal.EndDate = *end;
        goal.Description = *description;
        goal.Achieved = *achieved;
        goal.Percentage = static_cast<std::int16_t>(*percentage);
        return goal;
    }

    qsizetype pos() const { return m_pos; }
    bool clamped() const { return m_clamped; }

private:
    bool atEnd(qsizetype ahead = 0) const { return m_pos + ahead >= m_text.size(); }
    QChar peek(qsizetype ahead = 0) const { return atEnd(ahead) ? QChar() : m_text[m_pos + ahead]; }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(peek()))
            ++m_pos;
    }
    bool expect(QChar c)
    {
        skipBlanks();
        if (peek() != c)
            return false;
        ++m_pos;
        return true;
    }
    bool separator() { return expect(QLatin1Char(',')); }

    // True when the quote at the given offset is followed by the comma and the # of the next field.
    bool quoteEndsText(qsizetype at) const
    {
        qsizetype p = at + 1;
        while (p < m_text.size() && isBlank(m_text[p]))
            ++p;
        if (p >= m_text.size() || m_text[p] != QLatin1Char(','))
            return false;
        ++p;
        while (p < m_text.size() && isBlank(m_text[p]))
            ++p;
        return p < m_text.size() && m_text[p] == QLatin1Char('#');
    }

    std::optional<QString> quoted()
    {
        if (!expect(QLatin1Char('"')))
            return std::nullopt;
        QString text;
        while (!atEnd()) {
            const QChar c = peek();
            if (c == QLatin1Char('"')) {
                if (m_quotes == Quotes::Doubled && peek(1) == QLatin1Char('"')) {
                    text += c;
                    m_pos += 2;
                    continue;
                }
                if (m_quotes == Quotes::Doubled || quoteEndsText(m_pos)) {
                    ++m_pos;
                    return platform::WithLineFeeds(text);
                }
            }
            text += c;
            ++m_pos;
        }
        return std::nullopt;
    }

    std::optional<QString> hashed()
    {
        if (!expect(QLatin1Char('#')))
            return std::nullopt;
        const qsizetype close = m_text.indexOf(QLatin1Char('#'), m_pos);
        if (close < 0)
            return std::nullopt;
        const QString inner = m_text.mid(m_pos, close - m_pos);
        if (std::any_of(inner.begin(), inner.end(), isLineEnd))
            return std::nullopt;
        m_pos = close + 1;
        return inner.trimmed();
    }

    std::optional<QDate> date()
    {
        const auto text = hashed();
        if (!text)
            return std::nullopt;
        const QDate value = QDate::fromString(*text, DateFormat);
        if (!value.isValid())
            return std::nullopt;
        const QDate inRange = std::clamp(value, firstPickerDate(), lastPickerDate());
        m_clamped = m_clamped || inRange != value;
        return inRange;
    }

    std::optional<bool> boolean()
    {
        const auto text = hashed();
        if (!text)
            return std::nullopt;
        if (text->compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
            return true;
        if (text->compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
            return false;
        return std::nullopt;
    }

    // A whole number, kept between 0 and 100.
    std::optional<int> number()
    {
        skipBlanks();
        bool negative = false;
        if (peek() == QLatin1Char('-') || peek() == QLatin1Char('+')) {
            negative = peek() == QLatin1Char('-');
            ++m_pos;
        }
        const qsizetype first = m_pos;
        while (!atEnd() && peek().isDigit() && peek().unicode() < 128)
            ++m_pos;
        if (m_pos == first)
            return std::nullopt;
        bool fits = false;
        const qlonglong magnitude = m_text.mid(first, m_pos - first).toLongLong(&fits);
        const qlonglong value = negative ? -magnitude : magnitude;
        const int inRange = !fits ? (negative ? 0 : 100) : static_cast<int>(std::clamp<qlonglong>(value, 0, 100));
        m_clamped = m_clamped || !fits || inRange != value;
        return inRange;
    }

    bool lineEnd()
    {
        skipBlanks();
        if (atEnd())
            return true;
        if (peek() == QLatin1Char('\r')) {
            ++m_pos;
            if (peek() == QLatin1Char('\n'))
                ++m_pos;
            return true;
        }
        if (peek() == QLatin1Char('\n')) {
            ++m_pos;
            return true;
        }
        return false;
    }

    const QString& m_text;
    qsizetype m_pos;
    Quotes m_quotes;
    bool m_clamped = false;
};

// Counts the line breaks in text[from, to): CR LF, a lone CR and a lone LF each count once.
int lineBreaks(const QString& text, qsizetype from, qsizetype to)
{
    int count = 0;
    for (qsizetype i = from; i < to; ++i) {
        if (text[i] == QLatin1Char('\n') || (text[i] == QLatin1Char('\r') && (i + 1 >= to || text[i + 1] != QLatin1Char('\n'))))
            ++count;
    }
    return count;
}

// The position after the line end that follows pos, or the end of the text.
qsizetype nextLine(const QString& text, qsizetype pos)
{
    while (pos < text.size() && !isLineEnd(text[pos]))
        ++pos;
    if (pos < text.size() && text[pos] == QLatin1Char('\r'))
        ++pos;
    if (pos < text.size() && text[pos] == QLatin1Char('\n'))
        ++pos;
    return pos;
}

bool blankToLineEnd(const QString& text, qsizetype pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos >= text.size() || isLineEnd(text[pos]);
}

} // namespace

QDate firstPickerDate() { return QDate(FirstPickerYear, 1, 1); }
QDate lastPickerDate() { return QDate(LastPickerYear, 12, 31); }

QString FormatGoalLine(const GoalRecord& goal)
{
    const QStringList fields{quotedField(goal.Name),
                             dateField(goal.StartDate),
                             dateField(goal.EndDate),
                             quotedField(goal.Description),
                             goal.Achieved ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"),
                             QString::number(goal.Percentage)};
    return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QString FormatGoals(const DynamicArray<GoalRecord>& goals, const QList<int>& skipped)
{
    QString text;
    if (!goals.hasBounds())
        return text;
    for (int position = goals.lowerBound(); position <= goals.upperBound(); ++position)
        if (!skipped.contains(position))
            text += FormatGoalLine(goals[position]);
    return text;
}

ParsedGoals ParseGoals(const QString& text)
{
    ParsedGoals result;
    qsizetype pos = 0;
    int line = 1;
    while (pos < text.size()) {
        if (blankToLineEnd(text, pos)) {
            const qsizetype next = nextLine(text, pos);
            line += lineBreaks(text, pos, next);
            pos = next;
            continue;
        }
        std::optional<GoalRecord> goal;
        qsizetype next = pos;
        bool clamped = false;
        for (Quotes quotes : {Quotes::Doubled, Quotes::Kept}) {
            RecordReader reader(text, pos, quotes);
            goal = reader.read();
            if (goal) {
                next = reader.pos();
                clamped = reader.clamped();
                break;
            }
        }
        if (goal) {
            result.goals.append(*goal);
            if (clamped)
                result.clampedLines << line;
        } else {
            result.badLines << line;
            next = nextLine(text, pos);
        }
        line += lineBreaks(text, pos, next);
        pos = next;
    }
    return result;
}

} // namespace modGoals
