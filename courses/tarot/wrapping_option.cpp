#include "courses/tarot/wrapping_option.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int Margin = 2;
constexpr int NominalTextWidth = 360; // the width a caption asks for before the layout decides
constexpr int TextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
} // namespace

WrappingOption::WrappingOption(QWidget* parent) : QRadioButton(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WrappingOption::setCaption(const QString& caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    updateGeometry();
    update();
}

int WrappingOption::indicatorRoom() const
{
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

QRect WrappingOption::captionRect(int width) const
{
    const int left = Margin + indicatorRoom();
    const int textWidth = std::max(1, width - left - Margin);
    const QRect bound = fontMetrics().boundingRect(QRect(0, 0, textWidth, 100000), TextFlags, m_caption);
    return QRect(left, Margin, textWidth, std::max(bound.height(), fontMetrics().height()));
}

int WrappingOption::heightForWidth(int width) const
{
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return std::max(captionRect(width).height(), indicator) + 2 * Margin;
}

QSize WrappingOption::sizeHint() const
{
    const int width = Margin + indicatorRoom() +
                      std::min(NominalTextWidth, fontMetrics().horizontalAdvance(m_caption) + 1) + Margin;
    return QSize(width, heightForWidth(width));
}

QSize WrappingOption::minimumSizeHint() const
{
    const int width = Margin + indicatorRoom() + fontMetrics().averageCharWidth() * 12 + Margin;
    return QSize(width, heightForWidth(width));
}

void WrappingOption::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    // The indicator stands beside the first line.
    option.rect = QRect(Margin, Margin, indicatorRoom(), fontMetrics().height());
    option.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);

    const QRect text = captionRect(width());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, TextFlags, m_caption);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = text.adjusted(-1, -1, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingOption::hitButton(const QPoint& pos) const { return rect().contains(pos); }
