#include "shell/wrapped_label.h"

WrappedLabel::WrappedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void WrappedLabel::refresh() const
{
    const Measure now{text(), font(), contentsMargins(), margin(), indent(), wordWrap(), textFormat(), sizePolicy()};
    // A window resized by hand asks about many widths; only the recent ones are worth keeping.
    if (now == m_measure && m_heights.size() <= 64)
        return;
    m_measure = now;
    m_heights.clear();
    m_sizeHint.reset();
    m_minimumSizeHint.reset();
}

int WrappedLabel::heightForWidth(int width) const
{
    refresh();
    if (const auto kept = m_heights.constFind(width); kept != m_heights.constEnd())
        return *kept;
    const int height = QLabel::heightForWidth(width);
    m_heights.insert(width, height);
    return height;
}

QSize WrappedLabel::sizeHint() const
{
    ensurePolished();
    refresh();
    if (!m_sizeHint)
        m_sizeHint = QLabel::sizeHint();
    return *m_sizeHint;
}

QSize WrappedLabel::minimumSizeHint() const
{
    ensurePolished();
    refresh();
    if (!m_minimumSizeHint)
        m_minimumSizeHint = QLabel::minimumSizeHint();
    return *m_minimumSizeHint;
}
