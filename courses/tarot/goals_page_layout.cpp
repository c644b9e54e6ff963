// The controls of the goals page and their places.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "courses/tarot/date_picker.h"
#include "courses/tarot/goal_list_view.h"
#include "courses/tarot/goals_page.h"
#include "shell/course_widgets.h"
#include "shell/value_label.h"

using course_widgets::elementName;
using course_widgets::make;
using course_widgets::makeButton;
using course_widgets::makeText;
using course_widgets::named;

namespace {

const QString Introduction = QStringLiteral(
    "It is important to set goals and targets to be able to see and measure your achievements. This seemingly small "
    "task will yield tremendous results, when taken seriously. Setting goals will help you keep a clear, focussed and "
    "dedicated mindset towards fulfilling your aims in life. ");

// A field's caption, also the field's name for screen readers.
QLabel* makeCaption(const QString& name, const QString& caption, QWidget* field, QWidget* parent)
{
    auto* label = make<QLabel>(name, caption, parent);
    label->setBuddy(field);
    field->setAccessibleName(caption.simplified().remove(QLatin1Char(':')));
    return label;
}

// A label that shows a value the page computes, heard with its caption.
QLabel* makeValue(const QString& name, const QString& caption, QWidget* parent)
{
    QLabel* label = makeText(name, QString(), parent);
    value_label::announce(label, caption);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

} // namespace

void GoalsPage::buildPage()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(8);
    Label10 = makeText(QStringLiteral("Label10"), Introduction, this);
    outer->addWidget(Label10);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    outer->addLayout(body, 1);

    // The list and its two views.
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    optGoals[0] = make<QRadioButton>(elementName("optGoals", 0), QStringLiteral("View Current Goals"), this);
    optGoals[1] = make<QRadioButton>(elementName("optGoals", 1), QStringLiteral("View Achieved Goals"), this);
    optGoals[0]->setChecked(true);
    ListView1 = named(new GoalListView(this), QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Goals"));
    ListView1->setFixedWidth(230);
    left->addWidget(optGoals[0]);
    left->addWidget(optGoals[1]);
    left->addWidget(ListView1, 1);
    body->addLayout(left);

    // The shown goal.
    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    body->addLayout(right, 1);
    lblEditMode = makeText(QStringLiteral("lblEditMode"), QString(), this);
    QFont italic = lblEditMode->font();
    italic.setItalic(true);
    lblEditMode->setFont(italic);
    // The line keeps its height when empty, so the fields do not move when the mode changes.
    lblEditMode->setMinimumHeight(lblEditMode->fontMetrics().lineSpacing());
    right->addWidget(lblEditMode);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    txtGoalName = named(new QLineEdit(this), QStringLiteral("txtGoalName"));
    txtGoalDesc = named(new QPlainTextEdit(this), QStringLiteral("txtGoalDesc"));
    txtGoalDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtGoalDesc->setTabChangesFocus(true);
    // At least three lines; the box takes whatever height the page has to spare.
    txtGoalDesc->setMinimumHeight(txtGoalDesc->fontMetrics().lineSpacing() * 3 + 12);
    Combo3 = named(new QComboBox(this), QStringLiteral("Combo3"));
    Combo3->addItems(course_widgets::numberTexts(0, 100));
    Combo3->setMinimumWidth(70);
    fields->addWidget(makeCaption(QStringLiteral("lblNameOfGoal"), QStringLiteral("Name Of Goal"), txtGoalName, this), 0, 0);
    fields->addWidget(txtGoalName, 0, 1, 1, 2);
    fields->addWidget(makeCaption(QStringLiteral("lblDescriptionOfGoal"), QStringLiteral("Description Of Goal"), txtGoalDesc, this),
                      1, 0, Qt::AlignTop);
    fields->addWidget(txtGoalDesc, 1, 1, 1, 2);
    fields->addWidget(makeCaption(QStringLiteral("lblPercentage"), QStringLiteral("Select  Achieved Percentage Of Goal"), Combo3, this),
                      2, 0, 1, 2);
    fields->addWidget(Combo3, 2, 2, Qt::AlignLeft);
    fields->setColumnStretch(2, 1);
    fields->setRowStretch(1, 1);
    right->addLayout(fields, 1);

    // The dates and what follows from them.
    fraGoalTimer = named(new QGroupBox(QStringLiteral("Goal Timer"), this), QStringLiteral("fraGoalTimer"));
    auto* timer = new QGridLayout(fraGoalTimer);
    timer->setHorizontalSpacing(12);
    timer->setVerticalSpacing(6);
    mydtpStartingDate = named(new UserControl1(fraGoalTimer), QStringLiteral("mydtpStartingDate"));
    mydtpEndingDate = named(new UserControl1(fraGoalTimer), QStringLiteral("mydtpEndingDate"));
    mydtpStartingDate->setAccessibleCaption(QStringLiteral("Goal Starting Date:"));
    mydtpEndingDate->setAccessibleCaption(QStringLiteral("Goal Ending Date:"));
    lblDayCount = makeValue(QStringLiteral("lblDayCount"), QStringLiteral("Total Day(s) To Achieve Goal"), fraGoalTimer);
    lblDaysRemaining = makeValue(QStringLiteral("lblDaysRemaining"), QStringLiteral("Day(s) Remaining To Achieve Goal"), fraGoalTimer);
    lblInfo = makeValue(QStringLiteral("lblInfo"), QStringLiteral("Progress"), fraGoalTimer);
    lblInfo->setMinimumHeight(lblInfo->fontMetrics().lineSpacing() * 2);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* startCaption = make<QLabel>(QStringLiteral("lblStartingDate"), QStringLiteral("Goal Starting Date:"), fraGoalTimer);
    auto* endCaption = make<QLabel>(QStringLiteral("lblEndingDate"), QStringLiteral("Goal Ending Date:"), fraGoalTimer);
    startCaption->setBuddy(mydtpStartingDate);
    endCaption->setBuddy(mydtpEndingDate);
    timer->addWidget(startCaption, 0, 0, 1, 2);
    timer->addWidget(endCaption, 0, 2, 1, 2);
    timer->addWidget(mydtpStartingDate, 1, 0, 1, 2);
    timer->addWidget(mydtpEndingDate, 1, 2, 1, 2);
    timer->addWidget(make<QLabel>(QStringLiteral("lblTotalDays"), QStringLiteral("Total Day(s) To Achieve Goal"), fraGoalTimer), 2, 0);
    timer->addWidget(lblDayCount, 2, 1);
    timer->addWidget(make<QLabel>(QStringLiteral("lblRemainingDays"), QStringLiteral("Day(s) Remaining To Achieve Goal"), fraGoalTimer), 2, 2);
    timer->addWidget(lblDaysRemaining, 2, 3);
    timer->addWidget(lblInfo, 3, 0, 1, 4);
    timer->setColumnStretch(1, 1);
    timer->setColumnStretch(3, 1);
    right->addWidget(fraGoalTimer);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdNewGoal = makeButton(QStringLiteral("cmdNewGoal"), QStringLiteral("Set New Goals"), this, this, &GoalsPage::cmdNewGoal_Click);
    cmdSaveGoals = makeButton(QStringLiteral("cmdSaveGoals"), QStringLiteral("Save / Update Goal"), this, this,
                              &GoalsPage::cmdSaveGoals_Click);
    cmdMarkAchived = makeButton(QStringLiteral("cmdMarkAchived"), QStringLiteral("Mark Selected Goals As Achieved"), this, this,
                                &GoalsPage::cmdMarkAchived_Click);
    cmdDeleteGoals = makeButton(QStringLiteral("cmdDeleteGoals"), QStringLiteral("Delete Selected Goals"), this, this,
                                &GoalsPage::cmdDeleteGoals_Click);
    for (QPushButton* button : {cmdNewGoal, cmdSaveGoals, cmdMarkAchived, cmdDeleteGoals})
        buttons->addWidget(button);
    outer->addLayout(buttons);

    // Keyboard order: views, list, fields, dates, buttons.
    QWidget* order[] = {optGoals[0], optGoals[1], ListView1, txtGoalName, txtGoalDesc, Combo3, mydtpStartingDate,
                        mydtpEndingDate, lblDayCount, lblDaysRemaining, lblInfo, cmdNewGoal, cmdSaveGoals,
                        cmdMarkAchived, cmdDeleteGoals};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}
