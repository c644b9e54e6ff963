#include "shell/choice_text_box.h"

#include <QMouseEvent>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

ChoiceTextBox::ChoiceTextBox(int minimumLines, QWidget* parent)
    : QTextEdit(parent)
    , m_minimumLines(minimumLines)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    updateMeasure();
}

void ChoiceTextBox::updateMeasure()
{
    m_measureCopied = false;
    m_measured.fill({-1, 0});
}

void ChoiceTextBox::copyIntoMeasure() const
{
    if (m_measureCopied)
        return;
    m_measure.setDefaultFont(document()->defaultFont());
    m_measure.setDefaultTextOption(document()->defaultTextOption());
    m_measure.setDocumentMargin(document()->documentMargin());
    m_measure.setPlainText(toPlainText());
    m_measureCopied = true;
}

void ChoiceTextBox::changeEvent(QEvent* event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMeasure();
        updateGeometry();
    }
}

void ChoiceTextBox::setChoiceText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    if (m_button)
        m_button->setAccessibleName(shown);
    updateMeasure();
    updateGeometry();
}

int ChoiceTextBox::frameHeight() const { return 2 * frameWidth() + viewportMargins().top() + viewportMargins().bottom(); }

bool ChoiceTextBox::hasHeightForWidth() const { return true; }

int ChoiceTextBox::minimumHeight() const
{
    return int(std::ceil(m_minimumLines * fontMetrics().lineSpacing() + 2 * document()->documentMargin()))
        + frameHeight();
}

int ChoiceTextBox::heightForWidth(int width) const
{
    for (const auto& [measuredWidth, measuredHeight] : m_measured)
        if (measuredWidth == width)
            return measuredHeight;
    // The text laid out at the width the viewport would get, as the box lays it out itself. At
    // the box's own width that is the box's document, laid out already; other widths are
    // measured on a copy, so that the box's own layout stays as it is.
    const int frame = 2 * frameWidth() + viewportMargins().left() + viewportMargins().right();
    const int textWidth = std::max(1, width - frame);
    const QTextDocument* laidOut = document();
    if (document()->textWidth() != textWidth) {
        copyIntoMeasure();
        m_measure.setTextWidth(textWidth);
        laidOut = &m_measure;
    }
    const int height = std::max(int(std::ceil(laidOut->size().height())) + frameHeight(), minimumHeight());
    std::rotate(m_measured.rbegin(), m_measured.rbegin() + 1, m_measured.rend());
    m_measured.front() = {width, height};
    return height;
}

QSize ChoiceTextBox::sizeHint() const
{
    const int width = QTextEdit::sizeHint().width();
    return {width, heightForWidth(this->width() > 1 ? this->width() : width)};
}

QSize ChoiceTextBox::minimumSizeHint() const { return {QTextEdit::minimumSizeHint().width(), minimumHeight()}; }

void ChoiceTextBox::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button(), event->modifiers(), event->position().toPoint());
    QTextEdit::mousePressEvent(event);
}

void ChoiceTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QTextEdit::mouseReleaseEvent(event);
}
