#include "random_user.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDebug>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <array>
#include <vector>

#include "fake_tray_icon.h"
#include "platform/event_loops.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "platform/process.h"

namespace {

// The window (a loaded form, or the top-level widget) a control belongs to, by name.
QString windowName(QWidget* control)
{
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* form = dynamic_cast<platform::Form*>(w))
            return form->formName();
    QWidget* top = control->window();
    return top->objectName().isEmpty() ? QString::fromLatin1(top->metaObject()->className()) : top->objectName();
}

QString describe(QWidget* control)
{
    return windowName(control) + QLatin1Char('/')
        + (control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName());
}

bool isEditable(QWidget* w)
{
    if (auto* line = qobject_cast<QLineEdit*>(w))
        return !line->isReadOnly();
    if (auto* text = qobject_cast<QTextEdit*>(w))
        return !text->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        return !plain->isReadOnly();
    return false;
}

// Leaf menu items of a menu bar, with the menu that holds each.
void collectMenuItems(QMenu* menu, std::vector<std::pair<QMenu*, int>>* items)
{
    const QList<QAction*> actions = menu->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction* a = actions[i];
        if (a->isSeparator() || !a->isVisible() || !a->isEnabled())
            continue;
        if (a->menu())
            collectMenuItems(a->menu(), items);
        else
            items->emplace_back(menu, i);
    }
}

// The windows a user can reach: visible top-level widgets that are not popups or tips.
std::vector<QWidget*> reachableWindows()
{
    std::vector<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (!w->isVisible() || type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
            continue;
        windows.push_back(w);
    }
    return windows;
}

// Types text as key presses that carry it, one character at a time, as a keyboard does.
void typeKeys(QWidget* box, const QString& text)
{
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, one);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, one);
        QApplication::sendEvent(box, &release);
    }
}

const std::array<Qt::Key, 6> ComboKeys = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown,
                                          Qt::Key_PageUp};
const std::array<Qt::Key, 4> EditKeys = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab};

} // namespace

RandomUser::RandomUser(Options options, FakeTray* tray) : m_options(options), m_tray(tray), m_rng(options.seed) {}

int RandomUser::pick(int n) { return n <= 1 ? 0 : int(std::uniform_int_distribution<int>(0, n - 1)(m_rng)); }

bool RandomUser::chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }

void RandomUser::note(const QString& kind, QWidget* target, const QString& detail)
{
    ++counts[kind];
    if (target)
        windowsSeen.insert(windowName(target));
    if (m_options.trace)
        qDebug().noquote() << actionsDone << kind << (target ? describe(target) : QString()) << detail;
}

QString RandomUser::randomText()
{
    static const QStringList samples = {
        QString(),
        QStringLiteral(" "),
        QStringLiteral("a"),
        QStringLiteral("Hello world"),
        QStringLiteral("  blanks at both ends  "),
        QStringLiteral("Ünïcödé ßø ÆØÅ"),
        QStringLiteral("no\u00A0break\u00A0space"),
        QStringLiteral("tab\there"),
        QStringLiteral("line\r\nbreak"),
        QStringLiteral("%1 %s %n %%"),
        QStringLiteral("&&& & <b>bold</b>"),
        QStringLiteral("12345"),
        QStringLiteral("-7"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("\"quoted\" 'single'"),
        QStringLiteral("C:\\path\\file.txt"),
        QStringLiteral("\U0001F702 \U0001F31F"),
        QStringLiteral("\u0645\u0631\u062D\u0628\u0627"),
        QString(300, QLatin1Char('x')),
        QStringLiteral("user@example.com"),
    };
    if (chance(0.3)) {
        QString text;
        const int length = pick(12);
        for (int i = 0; i < length; ++i)
            text += QChar(32 + pick(95));
        return text;
    }
    return samples[pick(int(samples.size()))];
}

int RandomUser::scriptedAnswer(int style)
{
    if ((style & 7) == platform::vbYesNo)
        return chance(0.5) ? platform::vbYes : platform::vbNo;
    return platform::vbOK;
}

int RandomUser::answerMsgBox(const QString& prompt, int style)
{
    ++counts[QStringLiteral("message")];
    if (m_finishing || m_realBoxesOpen >= 3 || !chance(0.6))
        return scriptedAnswer(style);
    ++m_realBoxesOpen;
    deepestBoxNesting = std::max(deepestBoxNesting, m_realBoxesOpen);
    if (m_options.trace)
        qDebug().noquote() << actionsDone << "real box" << prompt.left(40);
    const int answer = platform::ShowMessageBox(prompt, style);
    --m_realBoxesOpen;
    return answer;
}

void RandomUser::run(const std::function<void()>& restartProgram)
{
    m_restart = restartProgram;
    QEventLoop loop;
    m_loop = &loop;
    m_deadline = QDateTime::currentMSecsSinceEpoch() + m_options.timeLimitMs;
    QTimer::singleShot(0, &loop, [this] { step(); });
    platform::RunMainLoop(&loop);
    m_loop = nullptr;
}

void RandomUser::step()
{
    if (!m_finishing && QDateTime::currentMSecsSinceEpoch() > m_deadline) {
        timedOut = true;
        m_finishing = true;
    }
    if (m_finishing) {
        // Answer what is still up; stop once every nested loop has returned.
        if (answerModal(true) || platform::NestedLoopRunning())
            QTimer::singleShot(1, m_loop, [this] { step(); });
        else
            m_loop->quit();
        return;
    }
    // The next step is due first, so that it also runs inside a box this action opens.
    QTimer::singleShot(0, m_loop, [this] { step(); });
    if (platform::ProcessEnding() || platform::Forms::loaded().empty()) {
        platform::resetProcessEnding();
        ++restarts;
        note(QStringLiteral("restart"), nullptr);
        m_restart();
        return;
    }
    if (answerModal(false))
        return;
    if (!actOnTray())
        act();
    ++actionsDone;
    checkVisibleWindowsAreLoaded();
    if (actionsDone >= m_options.actions)
        m_finishing = true;
}

bool RandomUser::answerModal(bool force)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        m_modal = nullptr;
        return false;
    }
    if (modal != m_modal) {
        m_modal = modal;
        m_modalSteps = 0;
    }
    ++m_modalSteps;
    if (!force && m_modalSteps < m_options.maxStepsUnanswered && !chance(m_options.answerChance))
        return false;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.isEmpty()) {
            box->close();
        } else {
            QAbstractButton* button = buttons[pick(int(buttons.size()))];
            note(QStringLiteral("answer"), box, button->text());
            // Pressed at once: a delayed press could land after the box has gone.
            button->click();
        }
        ++boxesAnswered;
    } else {
        note(QStringLiteral("close dialog"), modal);
        modal->close();
        ++dialogsClosed;
    }
    m_modal = nullptr;
    return true;
}

// Now and then a click on a tray icon that is shown, or an item of the menu it popped up.
bool RandomUser::actOnTray()
{
    FakeTrayIcon* icon = m_tray ? m_tray->last.data() : nullptr;
    if (!icon || !icon->added || !chance(0.05))
        return false;
    if (icon->poppedMenu && chance(0.5)) {
        QMenu* menu = icon->poppedMenu;
        icon->poppedMenu = nullptr;
        const QList<QAction*> items = menu->actions();
        if (items.isEmpty())
            return false;
        const int index = pick(int(items.size()));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
        QAccessibleInterface* item = iface ? iface->child(index) : nullptr;
        if (!item || !item->actionInterface())
            return false;
        note(QStringLiteral("tray menu"), nullptr, items[index]->text());
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        return true;
    }
    switch (pick(3)) {
    case 0: note(QStringLiteral("tray click"), nullptr); icon->leftClick(); break;
    case 1: note(QStringLiteral("tray double-click"), nullptr); icon->leftDoubleClick(); break;
    default: note(QStringLiteral("tray menu request"), nullptr); icon->rightButtonRelease(); break;
    }
    return true;
}

void RandomUser::act()
{
    std::vector<QWidget*> buttons, combos, texts, tabs, values, links, frames;
    std::vector<std::pair<QMenu*, int>> menuItems;
    for (QWidget* window : reachableWindows()) {
        frames.push_back(window);
        QList<QWidget*> controls = window->findChildren<QWidget*>();
        for (QWidget* w : controls) {
            if (!w->isVisible() || !w->isEnabled())
                continue;
            if (qobject_cast<QAbstractButton*>(w))
                buttons.push_back(w);
            else if (qobject_cast<QComboBox*>(w))
                combos.push_back(w);
            else if (isEditable(w))
                texts.push_back(w);
            else if (auto* bar = qobject_cast<QTabBar*>(w); bar && bar->count() > 0)
                tabs.push_back(w);
            else if ((qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractSlider*>(w))
                     && !qobject_cast<QScrollBar*>(w))
                values.push_back(w);
            else if (qobject_cast<QLabel*>(w) && w->cursor().shape() == Qt::PointingHandCursor)
                links.push_back(w);
            else if (qobject_cast<QMdiSubWindow*>(w))
                frames.push_back(w);
            if (auto* bar = qobject_cast<QMenuBar*>(w))
                for (QAction* top : bar->actions())
                    if (top->menu() && top->isEnabled())
                        collectMenuItems(top->menu(), &menuItems);
        }
    }

    // Kinds of action with their weights; a kind with nothing to act on is passed over.
    struct Kind {
        int weight;
        std::size_t available;
    };
    const std::array<Kind, 8> kinds = {{{40, buttons.size()},
                                        {8, combos.size()},
                                        {16, texts.size()},
                                        {8, menuItems.size()},
                                        {8, tabs.size()},
                                        {4, values.size()},
                                        {6, links.size()},
                                        {1, frames.size()}}};
    int total = 0;
    for (const Kind& k : kinds)
        total += k.available ? k.weight : 0;
    if (total == 0) {
        note(QStringLiteral("nothing"), nullptr);
        return;
    }
    int roll = pick(total);
    std::size_t kind = 0;
    for (; kind < kinds.size(); ++kind) {
        if (!kinds[kind].available)
            continue;
        if (roll < kinds[kind].weight)
            break;
        roll -= kinds[kind].weight;
    }

    auto any = [this](const std::vector<QWidget*>& list) { return list[std::size_t(pick(int(list.size())))]; };
    switch (kind) {
    case 0: { // press, toggle or focus through the button's accessible actions
        QWidget* button = any(buttons);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr;
        const QStringList names = actions ? actions->actionNames() : QStringList();
        if (names.isEmpty())
            return;
        const QString name = names[pick(int(names.size()))];
        note(name == QAccessibleActionInterface::toggleAction() ? QStringLiteral("toggle") : QStringLiteral("press"),
             button, static_cast<QAbstractButton*>(button)->text());
        actions->doAction(name);
        break;
    }
    case 1: { // pick another entry with the keyboard, as the user does in a closed combo box
        QWidget* combo = any(combos);
        note(QStringLiteral("combo"), combo);
        QTest::keyClick(combo, ComboKeys[std::size_t(pick(int(ComboKeys.size())))]);
        break;
    }
    case 2: { // type: through the editable-text interface, or as keys
        QWidget* box = any(texts);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        QAccessibleEditableTextInterface* edit = iface ? iface->editableTextInterface() : nullptr;
        QAccessibleTextInterface* text = iface ? iface->textInterface() : nullptr;
        const int length = text ? text->characterCount() : 0;
        const int choice = pick(5);
        const QString typed = randomText();
        note(QStringLiteral("type"), box, typed.left(20));
        if (edit && choice == 0)
            edit->insertText(pick(length + 1), typed);
        else if (edit && choice == 1)
            edit->replaceText(0, length, typed);
        else if (edit && choice == 2 && length > 0)
            edit->deleteText(pick(length), length);
        else if (choice == 3)
            QTest::keyClick(box, EditKeys[std::size_t(pick(int(EditKeys.size())))]);
        else
            typeKeys(box, typed);
        break;
    }
    case 3: { // a menu item, through the menu's accessible children
        const auto [menu, index] = menuItems[std::size_t(pick(int(menuItems.size())))];
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
        QAccessibleInterface* item = iface ? iface->child(index) : nullptr;
        if (!item || !item->actionInterface())
            return;
        note(QStringLiteral("menu"), menu->parentWidget() ? menu->parentWidget() : menu, item->text(QAccessible::Name));
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        break;
    }
    case 4: { // a tab, through the tab bar's accessible children
        QWidget* bar = any(tabs);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar);
        const int count = iface ? iface->childCount() : 0;
        QAccessibleInterface* tab = count ? iface->child(pick(count)) : nullptr;
        if (!tab || !tab->actionInterface() || !tab->actionInterface()->actionNames().contains(
                                                   QAccessibleActionInterface::pressAction()))
            return;
        note(QStringLiteral("tab"), bar, tab->text(QAccessible::Name));
        tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        break;
    }
    case 5: { // a value within the control's range
        QWidget* control = any(values);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
        QAccessibleValueInterface* value = iface ? iface->valueInterface() : nullptr;
        if (!value)
            return;
        const int low = value->minimumValue().toInt();
        const int high = value->maximumValue().toInt();
        const int chosen = high > low ? low + pick(high - low + 1) : low;
        note(QStringLiteral("value"), control, QString::number(chosen));
        value->setCurrentValue(chosen);
        break;
    }
    case 6: { // a link label, clicked with the mouse
        QWidget* link = any(links);
        note(QStringLiteral("link"), link, static_cast<QLabel*>(link)->text().left(20));
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());
        break;
    }
    default: { // the close box of a window or of a window inside the main window
        QWidget* frame = any(frames);
        note(QStringLiteral("close"), frame);
        frame->close();
        break;
    }
    }
}

void RandomUser::checkVisibleWindowsAreLoaded()
{
    for (QWidget* w : QApplication::allWidgets()) {
        auto* form = dynamic_cast<platform::Form*>(w);
        if (form && w->isVisible() && !platform::Forms::isLoaded(form))
            unloadedButShown << form->formName();
    }
}
