#pragma once
// The base of the four course windows. It owns what they share: the placement and closing
// (ChildWindow), the menu bar with the File menu and the Help menu, the link column at the
// left, the course frame beside it (stacked pages, or the tab frame), and the unload step
// that shows the main window's start page again. A course window adds its pages and rules:
//
//   frmLearnRunesMain() : CourseWindow(FormName, "Velmora Learn Runes", {780, 540}, {.links = CourseLinks{...}})
//   {
//       addExitItem("mnuExit", "E&xit");
//       addToLinkColumn(pageButtons);
//       pages = makePages();            // or: SSTab1 = makeTabs();
//       pages->addWidget(picSettings);  // and so on
//   }
//   void loadStep() override { ... }   // the window's own load step, after the placement
#include <QColor>
#include <QString>
#include <optional>

#include "shell/child_window.h"
#include "shell/course_commands.h"

class CourseTabs;
class QAction;
class QHBoxLayout;
class QMenu;
class QStackedWidget;
class QVBoxLayout;

struct LinkColumnColours {
    QColor background;
    QColor text;
    QColor title;
    QColor link;
};

// The column at the left of a course window: the course title at the top (none when empty)
// and the forum, co-brand and full-brand links at the bottom.
struct CourseLinks {
    QString title{};
    QString forumName{}; // the forum link's designed name: "Label14", "Label61", "Label6"
    QString forumText{};
    std::optional<LinkColumnColours> colours{}; // none: the window's own palette
};

struct CourseFrame {
    const char* fileMenuName = "mnuFile";
    QString updateCaption = QString::fromLatin1(course_commands::UpdateCaption);
    // The about box is shown over this window (tarot) rather than over none.
    bool aboutOverWindow = false;
    // Around and between the link column and the course frame, in pixels.
    int margin = 0;
    int spacing = 0;
    std::optional<CourseLinks> links{};
};

class CourseWindow : public ChildWindow {
    Q_OBJECT
public:
    CourseWindow(const char* formName, const QString& caption, QSize designedSize, const CourseFrame& frame);

protected:
    // File menu items, in the order added; the Help menu stands after the File menu.
    QAction* addFileItem(const char* name, const QString& caption);
    void addFileSeparator();
    // A File menu item that unloads this window.
    QAction* addExitItem(const char* name, const QString& caption);

    // Puts a widget at the top of the link column, below the title (the runes page buttons).
    void addToLinkColumn(QWidget* widget);

    // The course frame beside the link column; a window makes one of the two, once.
    // Stacked pages ("pages"): one page in front at a time.
    QStackedWidget* makePages();
    // The tab frame ("SSTab1"): connect its Click to the window's SSTab1_Click rule.
    CourseTabs* makeTabs();

private:
    void Form_Unload() final;
    void buildLinkColumn(const CourseLinks& links);
    void addFrame(QWidget* frame);

    QMenu* m_fileMenu = nullptr;
    QHBoxLayout* m_body = nullptr;
    QVBoxLayout* m_column = nullptr;
    int m_columnTop = 0;
    bool m_hasFrame = false;
};
