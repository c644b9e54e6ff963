#pragma once
// The personal goals page: the goal list in a current or an achieved view, the edit fields
// of the shown goal, its "Goal Timer" with day counts and progress, and the new, save, mark
// and delete buttons. The page owns the goals; the course window puts it on its first tab
// and calls LoadAndShowGoals in its load step.
#include <QWidget>
#include <array>

#include "courses/tarot/logic/goal_list.h"

class GoalListView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidgetItem;
class UserControl1;

class GoalsPage : public QWidget {
    Q_OBJECT
public:
    explicit GoalsPage(QWidget* parent = nullptr);

    // Reads goals.txt and shows the current goals; without the file the page stays empty.
    void LoadAndShowGoals();

    const GoalList& goals() const { return goalList; }

private slots:
    void cmdNewGoal_Click();
    void cmdSaveGoals_Click();
    void cmdMarkAchived_Click();
    void cmdDeleteGoals_Click();
    void optGoals_Click(int index);
    void ListView1_ItemClick(QTreeWidgetItem* item);
    void mydtpStartingDate_DateChanged();
    void mydtpEndingDate_DateChanged();

private:
    void buildPage();
    void DisplayGoals(bool showAchieved);
    void ShowGoalProgress();
    void ClearGoalFields();
    void AddGoal();

    // Picks a view option and runs its behaviour, also when it was picked already.
    void pickView(int index);
    void showFirstItemSelected();
    void showDayCount();
    void showEditMode();
    void setEditFieldsEnabled(bool enabled);
    QList<QTreeWidgetItem*> checkedItems() const;
    // The item whose goal a save in update mode overwrites.
    QTreeWidgetItem* itemToUpdate() const;
    bool holdsPosition(int position) const;
    // Shows a file problem, if any, with the critical icon; true when there was one.
    static bool reportProblem(const QString& problem);

    GoalList goalList;
    // The achieved percentage picked in Combo3, and whether the edit fields take input.
    int goalPercentage = 0;
    bool editFieldsEnabled = false;

    QLabel* Label10 = nullptr;
    std::array<QRadioButton*, 2> optGoals{};
    GoalListView* ListView1 = nullptr;
    QLabel* lblEditMode = nullptr;
    QLineEdit* txtGoalName = nullptr;
    QPlainTextEdit* txtGoalDesc = nullptr;
    QComboBox* Combo3 = nullptr;
    QGroupBox* fraGoalTimer = nullptr;
    UserControl1* mydtpStartingDate = nullptr;
    UserControl1* mydtpEndingDate = nullptr;
    QLabel* lblDayCount = nullptr;
    QLabel* lblDaysRemaining = nullptr;
    QLabel* lblInfo = nullptr;
    QPushButton* cmdNewGoal = nullptr;
    QPushButton* cmdSaveGoals = nullptr;
    QPushButton* cmdMarkAchived = nullptr;
    QPushButton* cmdDeleteGoals = nullptr;
};
