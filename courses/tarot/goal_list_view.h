#pragma once
// The goal list: a one-column list headed "Goals" whose items may carry check boxes. Its
// screen-reader interface lets the toggle action tick and untick an item's check box (the
// standard item-view interface would select the item instead), so a goal checked that way
// counts as checked like one ticked with the mouse or the space bar.
#include <QTreeWidget>

class GoalListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit GoalListView(QWidget* parent = nullptr);

    // Data role of an item's key ("_" and the goal's position) and of its sub-item (the position).
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int SubItemRole = Qt::UserRole + 1;

    // Adds an item for the goal at position; checkable items show an unticked box.
    QTreeWidgetItem* addGoalItem(int position, const QString& name, bool checkable);
    static int positionFromKey(const QTreeWidgetItem* item);
    static int positionFromSubItem(const QTreeWidgetItem* item);
    static bool isChecked(const QTreeWidgetItem* item);

private:
    void announceCheckChange(QTreeWidgetItem* item, int column);
};
