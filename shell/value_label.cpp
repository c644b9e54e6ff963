// The accessible interface of a value label: its name joins caption and value, and its text
// interface reads the value.
#include "shell/value_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTextDocumentFragment>

namespace {

// Where a value label keeps its caption; a label without it is an ordinary label.
constexpr char CaptionProperty[] = "valueLabelCaption";

// The text the label shows, without markup.
QString shownText(const QLabel* label)
{
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

class ValueLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ValueLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return value_label::accessibleName(label()->property(CaptionProperty).toString(), value());
        case QAccessible::Value:
            return value();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // ---- text: the value as shown, selectable where the label lets the user select ----

    QString text(int startOffset, int endOffset) const override
    {
        const QString all = value();
        startOffset = qBound(0, startOffset, int(all.size()));
        endOffset = endOffset < 0 ? int(all.size()) : qBound(startOffset, endOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(value().size()); }

    int selectionCount() const override { return label()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !label()->hasSelectedText())
            return;
        *startOffset = label()->selectionStart();
        *endOffset = *startOffset + int(label()->selectedText().size());
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            label()->setSelection(0, 0);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0 && startOffset >= 0 && endOffset >= startOffset)
            label()->setSelection(startOffset, endOffset - startOffset);
    }
    // A label has no caret of its own; the end of the selection stands for it.
    int cursorPosition() const override
    {
        int start = 0;
        int end = 0;
        selection(0, &start, &end);
        return end;
    }
    void setCursorPosition(int) override {}

    // No character geometry: the label lays its text out privately.
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        const bool inside = offset >= 0 && offset < characterCount();
        *startOffset = inside ? 0 : -1;
        *endOffset = inside ? characterCount() : -1;
        return {};
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    QString value() const { return shownText(label()); }
};

QAccessibleInterface* makeValueLabelAccessible(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (!label || !label->property(CaptionProperty).isValid())
        return nullptr;
    return new ValueLabelAccessible(label);
}

} // namespace

namespace value_label {

QString accessibleName(const QString& caption, const QString& text)
{
    const QString value = text.simplified();
    if (value.isEmpty())
        return caption;
    if (caption.isEmpty() || value.startsWith(caption, Qt::CaseInsensitive))
        return value;
    const bool colon = caption.endsWith(QLatin1Char(':'));
    return caption + (colon ? QStringLiteral(" ") : QStringLiteral(": ")) + value;
}

void announce(QLabel* label, const QString& caption)
{
    static const bool factoryInstalled = (QAccessible::installFactory(makeValueLabelAccessible), true);
    Q_UNUSED(factoryInstalled);
    label->setProperty(CaptionProperty, caption);
    // An empty own name lets QLabel::setText tell screen readers of every new value.
    label->setAccessibleName(QString());
    // A screen reader may have asked for the label already and been handed Qt's interface,
    // which Qt keeps for the label's lifetime: replace it.
    QAccessibleInterface* known = QAccessible::queryAccessibleInterface(label);
    if (known && !dynamic_cast<ValueLabelAccessible*>(known))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    QAccessibleEvent named(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

} // namespace value_label
