#include "courses/tarot/tarot_widgets.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "shell/course_widgets.h"

namespace tarot_widgets {

QLabel* makeCardName(const QString& name, QWidget* parent)
{
    auto* label = course_widgets::named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    label->setFont(f);
    label->setMinimumHeight(label->fontMetrics().lineSpacing());
    return label;
}

QLabel* makeCardBox(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* box = course_widgets::named(new QLabel(parent), name);
    box->setFixedSize(CardWidth, CardHeight);
    box->setAlignment(Qt::AlignCenter);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setAccessibleName(accessibleName);
    return box;
}

QPlainTextEdit* makeReadOnlyBox(const QString& name, QWidget* parent)
{
    auto* box = course_widgets::named(new QPlainTextEdit(parent), name);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Read-only boxes still take the focus, so that the keyboard and screen readers reach them.
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return box;
}

QLabel* makeCaption(const QString& name, const QString& caption, QWidget* field, QWidget* parent)
{
    auto* label = course_widgets::named(new QLabel(caption, parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(field);
    field->setAccessibleName(caption.simplified().remove(QLatin1Char(':')).trimmed());
    return label;
}

} // namespace tarot_widgets
