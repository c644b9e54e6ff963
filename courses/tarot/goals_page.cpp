#include "courses/tarot/goals_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "courses/tarot/date_picker.h"
#include "courses/tarot/goal_list_view.h"
#include "courses/tarot/logic/goal_progress.h"
#include "courses/tarot/logic/modGlobals.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "shell/exact_text.h"

namespace {
QDate today() { return platform::Now().date(); }
} // namespace

GoalsPage::GoalsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picGoals"));
    buildPage();
    connect(Combo3, &QComboBox::currentIndexChanged, this, [this](int index) { goalPercentage = index; });
    // Nothing to edit until a goal is shown or a new goal is begun.
    cmdSaveGoals->setEnabled(false);
    setEditFieldsEnabled(false);
    mydtpStartingDate->setEnabledValue(false);
    mydtpEndingDate->setEnabledValue(false);
    showEditMode();

    for (int index = 0; index < 2; ++index)
        connect(optGoals[index], &QRadioButton::toggled, this, [this, index](bool picked) {
            if (picked)
                optGoals_Click(index);
        });
    connect(ListView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current)
            ListView1_ItemClick(current);
    });
    connect(mydtpStartingDate, &UserControl1::DateChanged, this, &GoalsPage::mydtpStartingDate_DateChanged);
    connect(mydtpEndingDate, &UserControl1::DateChanged, this, &GoalsPage::mydtpEndingDate_DateChanged);
}

void GoalsPage::LoadAndShowGoals()
{
    if (!GoalList::fileExists())
        return;
    reportProblem(goalList.ReadGoalsFile());
    pickView(0);
    if (ListView1->topLevelItemCount() > 1) {
        showFirstItemSelected();
        ListView1_ItemClick(ListView1->topLevelItem(0));
    }
}

void GoalsPage::DisplayGoals(bool showAchieved)
{
    {
        const QSignalBlocker quiet(ListView1);
        ListView1->clear();
        const DynamicArray<GoalRecord>& goals = goalList.Goals;
        if (modGlobals::IsDimensionedGoals(goals)) {
            for (int position = goals.lowerBound(); position <= goals.upperBound(); ++position) {
                if (goals[position].Achieved != showAchieved)
                    continue;
                ListView1->addGoalItem(position, goals[position].Name, !showAchieved);
                Combo3->setCurrentIndex(goals[position].Percentage);
                if (showAchieved)
                    lblInfo->setText(QString());
            }
        }
    }
    const bool any = ListView1->topLevelItemCount() > 0;
    cmdSaveGoals->setEnabled(any);
    mydtpStartingDate->setEnabledValue(any);
    mydtpEndingDate->setEnabledValue(any);
    if (any) {
        showFirstItemSelected();
        ListView1_ItemClick(ListView1->topLevelItem(0));
    }
    ShowGoalProgress();
}

void GoalsPage::ListView1_ItemClick(QTreeWidgetItem* item)
{
    const int position = GoalListView::positionFromKey(item);
    if (!holdsPosition(position))
        return;
    const GoalRecord& goal = goalList.Goals[position];
    txtGoalName->setText(goal.Name);
    txtGoalDesc->setPlainText(goal.Description);
    mydtpStartingDate->setValue(goal.StartDate);
    mydtpEndingDate->setValue(goal.EndDate);
    Combo3->setCurrentIndex(goal.Percentage);
    showDayCount();
    ShowGoalProgress();
    setEditFieldsEnabled(true);
}

void GoalsPage::ShowGoalProgress()
{
    const modGoals::GoalProgress progress =
        modGoals::ProgressOf(mydtpStartingDate->value(), mydtpEndingDate->value(), today(), goalPercentage,
                             editFieldsEnabled, QLocale::system());
    lblInfo->setText(progress.info);
    lblDaysRemaining->setText(progress.daysRemaining);
}

void GoalsPage::ClearGoalFields()
{
    txtGoalName->clear();
    txtGoalDesc->clear();
    // setText, not clear(): only setText tells screen readers that the value went.
    lblDayCount->setText(QString());
    lblDaysRemaining->setText(QString());
    lblInfo->setText(QString());
    Combo3->setCurrentIndex(0);
}

void GoalsPage::AddGoal()
{
    goalList.AddGoal(txtGoalName->text(), mydtpStartingDate->value(), mydtpEndingDate->value(), exactPlainText(txtGoalDesc));
}

void GoalsPage::cmdNewGoal_Click()
{
    goalList.EditMode = false;
    showEditMode();
    ClearGoalFields();
    mydtpStartingDate->setValue(today());
    mydtpEndingDate->setValue(today().addDays(7));
    showDayCount();
    cmdSaveGoals->setEnabled(true);
    mydtpStartingDate->setEnabledValue(true);
    mydtpEndingDate->setEnabledValue(true);
    setEditFieldsEnabled(true);
    // The fields no longer show a goal of the list; a click on any item shows it again.
    {
        const QSignalBlocker quiet(ListView1);
        ListView1->setCurrentItem(nullptr);
        ListView1->clearSelection();
    }
    txtGoalName->setFocus();
}

void GoalsPage::cmdSaveGoals_Click()
{
    if (modGoals::DaysFromTo(mydtpStartingDate->value(), mydtpEndingDate->value()) <= 0) {
        platform::MsgBox(QStringLiteral("Starting date can't be same or later than ending date."), platform::vbCritical);
        return;
    }
    if (txtGoalName->text().isEmpty()) {
        platform::MsgBox(QStringLiteral("Goal name can't be blank."), platform::vbCritical);
        return;
    }
    const DynamicArray<GoalRecord> before = goalList.Goals;
    QTreeWidgetItem* updated = goalList.EditMode ? itemToUpdate() : nullptr;
    if (updated)
        goalList.UpdateGoal(GoalListView::positionFromKey(updated), txtGoalName->text(), mydtpStartingDate->value(),
                            mydtpEndingDate->value(), exactPlainText(txtGoalDesc), goalPercentage);
    else
        AddGoal();
    // A save that cannot write keeps the goals as the file has them and the fields as typed.
    if (reportProblem(goalList.WriteGoalsFile())) {
        goalList.Goals = before;
        return;
    }
    reportProblem(goalList.ReadGoalsFile());
    DisplayGoals(false);
    pickView(0);
    if (ListView1->topLevelItemCount() > 0)
        showFirstItemSelected();
    goalList.EditMode = true;
    showEditMode();
}

void GoalsPage::cmdMarkAchived_Click()
{
    QList<int> positions;
    for (QTreeWidgetItem* item : checkedItems())
        positions << GoalListView::positionFromKey(item);
    if (!positions.isEmpty()) {
        const DynamicArray<GoalRecord> before = goalList.Goals;
        goalList.MarkAchieved(positions);
        if (reportProblem(goalList.WriteGoalsFile())) {
            goalList.Goals = before;
            return;
        }
    }
    DisplayGoals(false);
}

void GoalsPage::cmdDeleteGoals_Click()
{
    QList<int> positions;
    for (QTreeWidgetItem* item : checkedItems())
        positions << GoalListView::positionFromSubItem(item);
    if (!positions.isEmpty()) {
        // One write for all checked goals, so that every one of them leaves the file.
        if (reportProblem(goalList.DeleteGoalsFromFile(positions)))
            return;
        ClearGoalFields();
        reportProblem(goalList.ReadGoalsFile());
    }
    DisplayGoals(false);
    if (ListView1->topLevelItemCount() == 0) {
        setEditFieldsEnabled(false);
        ClearGoalFields();
    }
}

void GoalsPage::optGoals_Click(int index)
{
    txtGoalDesc->clear();
    txtGoalName->clear();
    DisplayGoals(index == 1);
}

void GoalsPage::mydtpStartingDate_DateChanged() { showDayCount(); }

void GoalsPage::mydtpEndingDate_DateChanged() { showDayCount(); }

void GoalsPage::pickView(int index)
{
    if (optGoals[index]->isChecked())
        optGoals_Click(index);
    else
        optGoals[index]->setChecked(true);
}

void GoalsPage::showFirstItemSelected()
{
    const QSignalBlocker quiet(ListView1);
    ListView1->setCurrentItem(ListView1->topLevelItem(0));
}

void GoalsPage::showDayCount()
{
    lblDayCount->setText(QString::number(modGoals::DaysFromTo(mydtpStartingDate->value(), mydtpEndingDate->value())));
}

void GoalsPage::showEditMode()
{
    lblEditMode->setText(goalList.EditMode ? QString() : QStringLiteral("New goal: not saved yet."));
}

void GoalsPage::setEditFieldsEnabled(bool enabled)
{
    editFieldsEnabled = enabled;
    txtGoalName->setEnabled(enabled);
    txtGoalDesc->setEnabled(enabled);
    Combo3->setEnabled(enabled);
}

QList<QTreeWidgetItem*> GoalsPage::checkedItems() const
{
    QList<QTreeWidgetItem*> items;
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row)
        if (GoalListView::isChecked(ListView1->topLevelItem(row)))
            items << ListView1->topLevelItem(row);
    return items;
}

QTreeWidgetItem* GoalsPage::itemToUpdate() const
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    QTreeWidgetItem* item = selected.isEmpty() ? ListView1->currentItem() : selected.first();
    return item && holdsPosition(GoalListView::positionFromKey(item)) ? item : nullptr;
}

bool GoalsPage::holdsPosition(int position) const
{
    const auto upper = goalList.Goals.tryUpperBound();
    return upper && position >= goalList.Goals.lowerBound() && position <= *upper;
}

bool GoalsPage::reportProblem(const QString& problem)
{
    if (problem.isEmpty())
        return false;
    platform::MsgBox(problem, platform::vbCritical);
    return true;
}
