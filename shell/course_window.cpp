#include "shell/course_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "shell/colour_area.h"
#include "shell/course_tabs.h"
#include "shell/course_widgets.h"
#include "shell/link_label.h"
#include "shell/start_page.h"

using course_widgets::makeText;
using course_widgets::named;

namespace {
constexpr int LinkColumnWidth = 170;
} // namespace

CourseWindow::CourseWindow(const char* formName, const QString& caption, QSize designedSize,
                           const CourseFrame& frame)
    : ChildWindow(formName, caption, designedSize)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* menuBar = named(new QMenuBar(this), QStringLiteral("menuBar"));
    m_fileMenu = named(menuBar->addMenu(QStringLiteral("&File")), QString::fromLatin1(frame.fileMenuName));
    course_commands::addHelpMenu(menuBar, frame.aboutOverWindow ? this : nullptr, frame.updateCaption);
    outer->setMenuBar(menuBar);

    m_body = new QHBoxLayout;
    m_body->setContentsMargins(frame.margin, frame.margin, frame.margin, frame.margin);
    m_body->setSpacing(frame.spacing);
    outer->addLayout(m_body);
    if (frame.links)
        buildLinkColumn(*frame.links);
}

void CourseWindow::buildLinkColumn(const CourseLinks& links)
{
    QWidget* column = named(new QWidget(this), QStringLiteral("linkColumn"));
    column->setFixedWidth(LinkColumnWidth);
    if (links.colours) {
        colour_area::paintArea(column, links.colours->background, links.colours->text);
        QPalette p = column->palette();
        p.setColor(QPalette::Link, links.colours->link);
        p.setColor(QPalette::LinkVisited, links.colours->link);
        column->setPalette(p);
    }
    m_column = new QVBoxLayout(column);
    // A column in a colour of its own keeps its texts off its edges; a plain one lines up with
    // the window's margin.
    if (links.colours) {
        m_column->setContentsMargins(8, 10, 8, 10);
        m_column->setSpacing(14);
    } else {
        m_column->setContentsMargins(0, 0, 0, 0);
    }
    if (!links.title.isEmpty()) {
        QLabel* heading = makeText(QStringLiteral("lblCourseTitle"), links.title, column);
        QFont f = heading->font();
        f.setBold(true);
        f.setPointSizeF(12);
        heading->setFont(f);
        if (links.colours) {
            QPalette hp = heading->palette();
            hp.setColor(QPalette::WindowText, links.colours->title);
            heading->setPalette(hp);
        }
        m_column->addWidget(heading);
    }
    m_columnTop = m_column->count();
    m_column->addStretch(1);
    m_column->addWidget(course_commands::makeForumLabel(links.forumName, links.forumText, column));
    m_column->addWidget(course_commands::makeCoBrandLabel(column));
    m_column->addWidget(course_commands::makeFullBrandLabel(column));
    m_body->addWidget(column);
}

QAction* CourseWindow::addFileItem(const char* name, const QString& caption)
{
    return named(m_fileMenu->addAction(caption), QString::fromLatin1(name));
}

void CourseWindow::addFileSeparator() { m_fileMenu->addSeparator(); }

QAction* CourseWindow::addExitItem(const char* name, const QString& caption)
{
    QAction* exit = addFileItem(name, caption);
    connect(exit, &QAction::triggered, this, &CourseWindow::unloadWindow);
    return exit;
}

void CourseWindow::addToLinkColumn(QWidget* widget)
{
    Q_ASSERT(m_column);
    m_column->insertWidget(m_columnTop++, widget);
}

void CourseWindow::addFrame(QWidget* frame)
{
    Q_ASSERT(!m_hasFrame);
    m_hasFrame = true;
    m_body->addWidget(frame, 1);
}

QStackedWidget* CourseWindow::makePages()
{
    auto* pages = named(new QStackedWidget(this), QStringLiteral("pages"));
    addFrame(pages);
    return pages;
}

CourseTabs* CourseWindow::makeTabs()
{
    auto* tabs = new CourseTabs(this);
    addFrame(tabs);
    return tabs;
}

void CourseWindow::Form_Unload() { start_page::SetVisible(true); }
