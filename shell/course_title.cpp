#include "shell/course_title.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

#include "shell/course_widgets.h"

void styleAsTitle(QWidget* label, qreal pointSize, const QColor& colour)
{
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(pointSize);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

void addIntroTexts(QVBoxLayout* layout, std::span<QLabel*> labels, const char* arrayName,
                   std::span<const char* const> texts, QWidget* parent, const QColor& titleColour)
{
    constexpr qreal TitlePointSize = 11;
    for (std::size_t i = 0; i < texts.size() && i < labels.size(); ++i) {
        labels[i] = course_widgets::makeText(course_widgets::elementName(arrayName, int(i)),
                                             QString::fromLatin1(texts[i]), parent);
        layout->addWidget(labels[i]);
    }
    if (!texts.empty() && !labels.empty())
        styleAsTitle(labels[0], TitlePointSize, titleColour);
}
