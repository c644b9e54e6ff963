#include "courses/tarot/goal_list_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QPointer>
#include <map>

namespace {

// One item of the list (or, for row -1, its column header) as a screen reader sees it.
class GoalItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    GoalItemAccessible(GoalListView* view, QTreeWidgetItem* item)
        : m_view(view), m_index(item ? view->indexFromItem(item) : QModelIndex()), m_header(item == nullptr)
    {
    }

    bool isValid() const override { return m_view && (m_header || m_index.isValid()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        return m_header ? m_view->headerItem()->text(0) : item()->text(0);
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        if (m_header) {
            QHeaderView* header = m_view->header();
            return QRect(header->mapToGlobal(QPoint(header->sectionViewportPosition(0), 0)),
                         QSize(header->sectionSize(0), header->height()));
        }
        const QRect r = m_view->visualRect(m_index);
        return QRect(m_view->viewport()->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override { return m_header ? QAccessible::ColumnHeader : QAccessible::ListItem; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        if (m_header)
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = m_view->selectionModel()->isSelected(m_index);
        s.focused = m_view->hasFocus() && m_view->currentIndex() == m_index;
        s.checkable = checkable();
        s.checked = s.checkable && GoalListView::isChecked(item());
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        if (!isValid() || m_header)
            return {};
        QStringList names{pressAction()};
        if (checkable())
            names << toggleAction();
        return names;
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

    void doAction(const QString& action) override
    {
        if (!isValid() || m_header || !m_view->isEnabled())
            return;
        if (action == pressAction())
            m_view->setCurrentItem(item());
        else if (action == toggleAction() && checkable())
            item()->setCheckState(0, GoalListView::isChecked(item()) ? Qt::Unchecked : Qt::Checked);
    }

    bool refersTo(const QModelIndex& index) const { return !m_header && m_index == index; }

private:
    QTreeWidgetItem* item() const { return m_view->itemFromIndex(m_index); }
    bool checkable() const { return !m_header && (item()->flags() & Qt::ItemIsUserCheckable); }

    QPointer<GoalListView> m_view;
    QPersistentModelIndex m_index;
    bool m_header;
};

// The list: child 0 is the column header when it is shown, then one child per item, the
// numbering that the item view uses in its own focus and selection events.
class GoalListAccessible : public QAccessibleWidget {
public:
    explicit GoalListAccessible(GoalListView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~GoalListAccessible() override
    {
        for (const auto& [index, id] : m_children)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return headerRows() + view()->topLevelItemCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QTreeWidgetItem* item = index < headerRows() ? nullptr : view()->topLevelItem(index - headerRows());
        const auto cached = m_children.find(index);
        if (cached != m_children.end()) {
            auto* known = static_cast<GoalItemAccessible*>(QAccessible::accessibleInterface(cached->second));
            if (known && known->isValid() && (item ? known->refersTo(view()->indexFromItem(item)) : known->role() == QAccessible::ColumnHeader))
                return known;
            QAccessible::deleteAccessibleInterface(cached->second);
            m_children.erase(cached);
        }
        auto* made = new GoalItemAccessible(view(), item);
        m_children[index] = QAccessible::registerAccessibleInterface(made);
        return made;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [index, id] : m_children)
            if (QAccessible::accessibleInterface(id) == child && child->isValid())
                return index;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = view()->viewport()->mapFromGlobal(QPoint(x, y));
        if (QTreeWidgetItem* item = view()->itemAt(local))
            return child(headerRows() + view()->indexOfTopLevelItem(item));
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        QTreeWidgetItem* current = view()->currentItem();
        return current ? child(headerRows() + view()->indexOfTopLevelItem(current)) : nullptr;
    }

private:
    GoalListView* view() const { return static_cast<GoalListView*>(widget()); }
    int headerRows() const { return view()->isHeaderHidden() ? 0 : 1; }

    mutable std::map<int, QAccessible::Id> m_children;
};

QAccessibleInterface* goalListFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("GoalListView"))
        if (auto* view = qobject_cast<GoalListView*>(object))
            return new GoalListAccessible(view);
    return nullptr;
}

} // namespace

GoalListView::GoalListView(QWidget* parent) : QTreeWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(goalListFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setColumnCount(1);
    setHeaderLabels({QStringLiteral("Goals")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeWidget::itemChanged, this, &GoalListView::announceCheckChange);
}

QTreeWidgetItem* GoalListView::addGoalItem(int position, const QString& name, bool checkable)
{
    auto* item = new QTreeWidgetItem(this, QStringList{name});
    item->setData(0, KeyRole, QStringLiteral("_") + QString::number(position));
    item->setData(0, SubItemRole, QString::number(position));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | (checkable ? Qt::ItemIsUserCheckable : Qt::NoItemFlags));
    if (checkable)
        item->setCheckState(0, Qt::Unchecked);
    return item;
}

int GoalListView::positionFromKey(const QTreeWidgetItem* item)
{
    return item->data(0, KeyRole).toString().mid(1).toInt();
}

int GoalListView::positionFromSubItem(const QTreeWidgetItem* item) { return item->data(0, SubItemRole).toString().toInt(); }

bool GoalListView::isChecked(const QTreeWidgetItem* item)
{
    return (item->flags() & Qt::ItemIsUserCheckable) && item->checkState(0) == Qt::Checked;
}

void GoalListView::announceCheckChange(QTreeWidgetItem* item, int column)
{
    if (column != 0 || !QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
    const int headerRows = isHeaderHidden() ? 0 : 1;
    if (QAccessibleInterface* child = list->child(headerRows + indexOfTopLevelItem(item))) {
        QAccessibleStateChangeEvent event(child, changed);
        QAccessible::updateAccessibility(&event);
    }
}
