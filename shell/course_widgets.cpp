#include "shell/course_widgets.h"

#include <QMenuBar>
#include <QStackedWidget>
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

CourseFrame makeCourseFrame(QWidget* window, const QString& fileMenuName, QWidget* leftColumn, int margin,
                            int spacing, const QString& updateCaption)
{
    CourseFrame frame;
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    frame.menuBar = named(new QMenuBar(window), QStringLiteral("menuBar"));
    frame.fileMenu = named(frame.menuBar->addMenu(QStringLiteral("&File")), fileMenuName);
    frame.exitItem = named(frame.fileMenu->addAction(QStringLiteral("E&xit")), QStringLiteral("mnuExit"));
    course_commands::addHelpMenu(frame.menuBar, nullptr, updateCaption);
    outer->setMenuBar(frame.menuBar);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(margin, margin, margin, margin);
    body->setSpacing(spacing);
    outer->addLayout(body);
    body->addWidget(leftColumn);
    frame.pages = named(new QStackedWidget(window), QStringLiteral("pages"));
    body->addWidget(frame.pages, 1);
    return frame;
}

} // namespace course_widgets
