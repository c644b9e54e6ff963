#include "tarot_window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/tarot_course.h"
#include "platform/forms.h"
#include "shell/course_tabs.h"
#include "shell/main_window.h"
#include "tarot_decks.h"

namespace tarot_window {

frmMDI* startMainWindow()
{
    RegisterTarotCourse();
    frmMDI* main = platform::Forms::instance<frmMDI>();
    main->resize(1280, 800);
    main->show();
    return main;
}

frmLearnTarotMain* openFromLauncher(frmMDI* main)
{
    click(main, QStringLiteral("cmdSelectOption_2"));
    return platform::Forms::find<frmLearnTarotMain>();
}

frmLearnTarotMain* openWithBuiltCards()
{
    if (!tarot_decks::installBuiltDatabase())
        return nullptr;
    return openFromLauncher(startMainWindow());
}

QString enabledTabs(frmLearnTarotMain* window)
{
    auto* tabs = child<CourseTabs>(window, QStringLiteral("SSTab1"));
    QString mask;
    for (int i = 0; i < tabs->count(); ++i)
        mask += tabs->isTabEnabled(i) ? QLatin1Char('1') : QLatin1Char('0');
    return mask;
}

int shownTab(frmLearnTarotMain* window) { return child<CourseTabs>(window, QStringLiteral("SSTab1"))->tab(); }

QString howName(How how)
{
    switch (how) {
    case How::Click: return QStringLiteral("click");
    case How::Keyboard: return QStringLiteral("keyboard");
    case How::ScreenReader: return QStringLiteral("screen reader");
    case How::Program: return QStringLiteral("program");
    }
    return {};
}

namespace {
void act(QAbstractButton* box, How how)
{
    switch (how) {
    case How::Click:
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        break;
    case How::Keyboard:
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        break;
    case How::ScreenReader: {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        QVERIFY(face && face->actionInterface());
        QVERIFY(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        break;
    }
    case How::Program:
        box->setChecked(!box->isChecked());
        break;
    }
}
} // namespace

void setTicked(QAbstractButton* box, bool ticked, How how)
{
    if (box->isChecked() != ticked)
        act(box, how);
}

void pick(QAbstractButton* option, How how)
{
    if (how == How::Program)
        option->setChecked(true);
    else
        act(option, how);
}

bool ownEnabled(const QWidget* control) { return control->isEnabledTo(control->parentWidget()); }

void chooseTest(frmLearnTarotMain* window, int type, int level, bool reversed)
{
    child<QRadioButton>(window, QStringLiteral("optTestType_%1").arg(type))->setChecked(true);
    child<QRadioButton>(window, QStringLiteral("optDifficulty_%1").arg(level))->setChecked(true);
    child<QCheckBox>(window, QStringLiteral("chkReversed"))->setChecked(reversed);
}

} // namespace tarot_window
