#include "shell/course_widgets.h"

#include <QVBoxLayout>

#include "shell/course_commands.h"
#include "shell/link_label.h"

namespace course_widgets {

LinkColumn makeLinkColumn(QWidget* parent, const QString& title, const QString& forumName, const QString& forumText,
                          const LinkColumnColours& colours)
{
    constexpr int Width = 170;
    LinkColumn result;
    result.column = named(new QWidget(parent), QStringLiteral("linkColumn"));
    result.column->setFixedWidth(Width);
    result.column->setAutoFillBackground(true);
    QPalette p = result.column->palette();
    p.setColor(QPalette::Window, colours.background);
    p.setColor(QPalette::WindowText, colours.text);
    p.setColor(QPalette::Link, colours.link);
    result.column->setPalette(p);

    auto* layout = new QVBoxLayout(result.column);
    layout->setContentsMargins(8, 10, 8, 10);
    layout->setSpacing(14);
    QLabel* heading = makeText(QStringLiteral("lblCourseTitle"), title, result.column);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSizeF(12);
    heading->setFont(f);
    QPalette hp = heading->palette();
    hp.setColor(QPalette::WindowText, colours.title);
    heading->setPalette(hp);
    layout->addWidget(heading);
    layout->addStretch(1);

    result.forum = course_commands::makeForumLabel(forumName, forumText, result.column);
    result.cobrand = course_commands::makeCoBrandLabel(result.column);
    result.fullBrand = course_commands::makeFullBrandLabel(result.column);
    for (LinkLabel* link : {result.forum, result.cobrand, result.fullBrand})
        layout->addWidget(link);
    return result;
}

} // namespace course_widgets
