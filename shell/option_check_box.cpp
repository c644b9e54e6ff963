// Check box with a word-wrapped caption.
#include "shell/option_check_box.h"

#include <QLabel>
#include <QStyleOptionButton>
#include <QStylePainter>

OptionCheckBox::OptionCheckBox(QWidget* parent) : QCheckBox(parent), m_label(new QLabel(this))
{
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void OptionCheckBox::setCaption(const QString& caption)
{
    // text() keeps the caption exactly, for the answer check; the label shows its line breaks.
    setText(caption);
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_label->setText(shown);
    updateGeometry();
}

int OptionCheckBox::textIndent() const
{
    QStyleOptionButton opt;
    opt.initFrom(this);
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this)
        + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, this) + 2;
}

int OptionCheckBox::indicatorHeight() const
{
    QStyleOptionButton opt;
    opt.initFrom(this);
    return std::max(style()->pixelMetric(QStyle::PM_IndicatorHeight, &opt, this), fontMetrics().height());
}

int OptionCheckBox::heightForWidth(int width) const
{
    const int labelHeight = m_label->heightForWidth(std::max(1, width - textIndent()));
    return std::max(indicatorHeight(), labelHeight) + 2;
}

QSize OptionCheckBox::sizeHint() const
{
    const int width = 300;
    return {width, heightForWidth(width)};
}

QSize OptionCheckBox::minimumSizeHint() const { return {textIndent() + 60, indicatorHeight()}; }

void OptionCheckBox::resizeEvent(QResizeEvent* event)
{
    QCheckBox::resizeEvent(event);
    m_label->setGeometry(textIndent(), 1, std::max(1, width() - textIndent()), std::max(1, height() - 1));
}

void OptionCheckBox::paintEvent(QPaintEvent*)
{
    // Only the indicator, level with the first caption line; the label draws the text.
    QStylePainter painter(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.rect.setHeight(indicatorHeight());
    painter.drawControl(QStyle::CE_CheckBox, opt);
}

bool OptionCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }
