#include "shell/wrapped_label.h"

#include <QHash>
#include <optional>

struct WrappedLabel::Answers {
    std::optional<QSize> sizeHint;
    std::optional<QSize> minimumSizeHint;
    QHash<int, int> heights;
};

namespace {

// A window resized by hand asks about many widths, and labels that show changing texts ask
// about many texts; only so many are worth keeping.
constexpr int MaxTexts = 512;
constexpr int MaxWidths = 64;

QHash<QString, WrappedLabel::Answers>& kept()
{
    static QHash<QString, WrappedLabel::Answers> answers;
    return answers;
}

} // namespace

WrappedLabel::WrappedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void WrappedLabel::refresh() const
{
    const Measure now{text(), font(),    contentsMargins(), margin(),         indent(),
                      wordWrap(), textFormat(), sizePolicy(), logicalDpiY()};
    if (m_answers && now == m_measure)
        return;
    m_measure = now;
    const QMargins& m = now.margins;
    m_key = QStringLiteral("%1|%2|%3 %4 %5 %6|%7 %8 %9")
                .arg(now.font.key())
                .arg(now.dpi)
                .arg(m.left())
                .arg(m.top())
                .arg(m.right())
                .arg(m.bottom())
                .arg(now.margin)
                .arg(now.indent)
                .arg(QStringLiteral("%1 %2 %3 %4|")
                         .arg(int(now.wordWrap))
                         .arg(int(now.format))
                         .arg(int(now.policy.horizontalPolicy()))
                         .arg(int(now.policy.verticalPolicy())))
            + now.text;
    const auto found = kept().constFind(m_key);
    m_answers = std::make_shared<Answers>(found == kept().constEnd() ? Answers() : *found);
}

void WrappedLabel::share() const
{
    QHash<QString, Answers>& all = kept();
    if (all.size() >= MaxTexts && !all.contains(m_key))
        all.clear();
    all.insert(m_key, *m_answers);
}

// The label answers from its own copy of the measure; the shared measures are looked up
// only when what the label holds changes, and given each new answer.
int WrappedLabel::heightForWidth(int width) const
{
    refresh();
    if (const auto height = m_answers->heights.constFind(width); height != m_answers->heights.constEnd())
        return *height;
    const int height = QLabel::heightForWidth(width);
    if (m_answers->heights.size() > MaxWidths)
        m_answers->heights.clear();
    m_answers->heights.insert(width, height);
    share();
    return height;
}

QSize WrappedLabel::sizeHint() const
{
    ensurePolished();
    refresh();
    if (!m_answers->sizeHint) {
        m_answers->sizeHint = QLabel::sizeHint();
        share();
    }
    return *m_answers->sizeHint;
}

QSize WrappedLabel::minimumSizeHint() const
{
    ensurePolished();
    refresh();
    if (!m_answers->minimumSizeHint) {
        m_answers->minimumSizeHint = QLabel::minimumSizeHint();
        share();
    }
    return *m_answers->minimumSizeHint;
}

int WrappedLabel::keptMeasures() { return kept().size(); }
