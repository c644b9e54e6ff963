#pragma once
// Small builders shared by the course windows: each sets the designed name (array element
// k of X is "X_k") and the caption, so a window's build code reads like its layout.
#include <algorithm>

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

class LinkLabel;
class QAction;
class QMenu;
class QMenuBar;
class QStackedWidget;

namespace course_widgets {

inline QString elementName(const char* array, int index)
{
    return QString::fromLatin1(array) + QLatin1Char('_') + QString::number(index);
}

template <typename T>
T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

template <typename T>
T* make(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new T(caption, parent), name);
}

// A label whose plain text wraps to the width it is given.
inline QLabel* makeText(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = make<QLabel>(name, text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A push button of the course windows' usual width whose click runs slot (a member function
// of receiver, or a function object living as long as receiver).
template <typename Receiver, typename Slot>
QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent, Receiver* receiver, Slot slot)
{
    auto* button = make<QPushButton>(name, caption, parent);
    // Some room beside the caption, and never narrower than the usual width.
    button->setMinimumWidth(std::max(110, button->sizeHint().width() + 16));
    QObject::connect(button, &QPushButton::clicked, receiver, slot);
    return button;
}

// The coloured column at the left of a course window: the course title at the top and the
// forum, co-brand and full-brand links at the bottom.
struct LinkColumn {
    QWidget* column = nullptr;
    LinkLabel* forum = nullptr;
    LinkLabel* cobrand = nullptr;
    LinkLabel* fullBrand = nullptr;
};

struct LinkColumnColours {
    QColor background;
    QColor text;
    QColor title;
    QColor link;
};

LinkColumn makeLinkColumn(QWidget* parent, const QString& title, const QString& forumName, const QString& forumText,
                          const LinkColumnColours& colours);

// The frame every course window shares: a menu bar with "&File" > "E&xit" and the Help
// menu, and below it the left column beside the stacked pages (named "pages"). The caller
// connects the exit item and adds its pages.
struct CourseFrame {
    QMenuBar* menuBar = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* exitItem = nullptr;
    QStackedWidget* pages = nullptr;
};

CourseFrame makeCourseFrame(QWidget* window, const QString& fileMenuName, QWidget* leftColumn, int margin,
                            int spacing, const QString& updateCaption);

} // namespace course_widgets
