#include "courses/tarot/tarot_settings_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "courses/tarot/logic/tarot_settings.h"
#include "courses/tarot/tarot_startup_frame.h"
#include "platform/message_box.h"
#include "shell/course_widgets.h"

using course_widgets::elementName;
using course_widgets::make;
using course_widgets::makeButton;
using course_widgets::makeText;
using course_widgets::named;

namespace {

const QString TestOnly = QStringLiteral("This option applies only when taking the test.\n");

const QString CardChoiceHelp = QStringLiteral(
    "Here you can select the cards you want to practice / memorize. You can change these whenever you want or when "
    "you have cleared one objective.");
const QString ReversedHelp = QStringLiteral(
    "Since the keywords for both upright & reversed are the same, during keyword test, reversed or upright will not "
    "be taken into account. Also during the memorizing process everything - upright, reversed & keywords - are shown "
    "in one screen.");
const QString TestTypeHelp = TestOnly + QStringLiteral(
    "You can choose to take the test based on keywords or descriptions. It is important to remember that when doing "
    "an actual reading, the meaning of the card changes  depending upon the question asked. So knowing the keywords "
    "related to a particular card is more important. ");
const QString LevelHelp = TestOnly + QStringLiteral(
    "Here you can choose the level of difficulty while taking a test. The difficulty increases with each level.   ");

constexpr std::array<const char*, 4> SuitCaptions = {"Cups", "Wands", "Pentacles", "Swords"};
constexpr std::array<const char*, 2> TestTypeCaptions = {"Description", "Keywords"};
constexpr std::array<const char*, 3> LevelCaptions = {"Beginner", "Intermediate", "Advanced"};

QGroupBox* makeFrame(const char* name, const QString& title, QWidget* parent)
{
    auto* frame = named(new QGroupBox(title, parent), QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    return frame;
}

// Runs rule with the new state on every change of the box: click, key, program or screen reader.
template <typename Rule>
void onToggle(QAbstractButton* box, QObject* page, Rule rule)
{
    QObject::connect(box, &QAbstractButton::toggled, page, rule);
}

// A row of option buttons named name_0, name_1, ... in the frame, the one at checked picked
// first; picked(i) runs whenever option i becomes the picked one afterwards.
template <std::size_t N, typename Picked>
void addOptionRow(QGroupBox* frame, const char* name, const std::array<const char*, N>& captions,
                  std::array<QRadioButton*, N>& options, int checked, Picked picked)
{
    auto* row = new QHBoxLayout;
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = make<QRadioButton>(elementName(name, static_cast<int>(i)), QString::fromLatin1(captions[i]), frame);
        row->addWidget(options[i]);
    }
    row->addStretch(1);
    options[static_cast<std::size_t>(checked)]->setChecked(true);
    for (std::size_t i = 0; i < N; ++i)
        onToggle(options[i], frame, [picked, i](bool on) {
            if (on)
                picked(static_cast<int>(i));
        });
    static_cast<QVBoxLayout*>(frame->layout())->addLayout(row);
}

} // namespace

TarotSettingsPage::TarotSettingsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picSettings"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);

    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(buildCardChoice());
    fraSystemTray = new TarotStartUpFrame(this);
    left->addWidget(fraSystemTray);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(buildTestChoice());
    right->addWidget(buildLevelChoice());
    right->addStretch(1);
    cmdSaveSettings = makeButton(QStringLiteral("cmdSaveSettings"), QStringLiteral("Save Current Settings As Default"),
                                 this, this, &TarotSettingsPage::cmdSaveSettings_Click);
    cmdSetOption = makeButton(QStringLiteral("cmdSetOption"), QStringLiteral("Memorize Meaning / Keywords"), this, this,
                              &TarotSettingsPage::cmdSetOption_Click);
    cmdStartTest2 = makeButton(QStringLiteral("cmdStartTest2"), QStringLiteral("Test Me"), this, this,
                               &TarotSettingsPage::cmdStartTest2_Click);
    for (QPushButton* button : {cmdSaveSettings, cmdSetOption, cmdStartTest2})
        right->addWidget(button);

    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

QGroupBox* TarotSettingsPage::buildCardChoice()
{
    Frame4 = makeFrame("Frame4", QStringLiteral("Select Objectives"), this);
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(12);
    boxes->setVerticalSpacing(2);
    chkMajor = make<QCheckBox>(QStringLiteral("chkMajor"), QStringLiteral("Major Arcana"), Frame4);
    chkMinor = make<QCheckBox>(QStringLiteral("chkMinor"), QStringLiteral("Minor Arcana"), Frame4);
    chkReversed = make<QCheckBox>(QStringLiteral("chkReversed"), QStringLiteral("Reversed"), Frame4);
    boxes->addWidget(chkMajor, 0, 0);
    boxes->addWidget(chkMinor, 1, 0);
    boxes->addWidget(chkReversed, 2, 0);
    for (int i = 0; i < 4; ++i) {
        chkGroup[i] = make<QCheckBox>(elementName("chkGroup", i), QString::fromLatin1(SuitCaptions[i]), Frame4);
        boxes->addWidget(chkGroup[i], i, 1);
    }
    // Laid out as the settings stand when nothing is stored (m_cards): every card, the keyword test.
    for (QCheckBox* box : {chkMajor, chkMinor, chkGroup[0], chkGroup[1], chkGroup[2], chkGroup[3]})
        box->setChecked(true);
    chkReversed->setEnabled(false);
    for (int i = 0; i < 4; ++i)
        onToggle(chkGroup[i], this, [this, i](bool on) {
            m_cards.Suits[static_cast<std::size_t>(i)] = on;
            chkGroup_Click(i);
        });
    onToggle(chkMajor, this, [this](bool on) {
        m_cards.Major = on;
        chkMajor_Click();
    });
    onToggle(chkMinor, this, [this](bool on) {
        m_cards.Minor = on;
        chkMinor_Click();
    });
    onToggle(chkReversed, this, [this](bool on) { m_test.Reversed = on; });

    auto* layout = static_cast<QVBoxLayout*>(Frame4->layout());
    layout->addLayout(boxes);
    Label18 = makeText(QStringLiteral("Label18"), CardChoiceHelp, Frame4);
    Label21 = makeText(QStringLiteral("Label21"), ReversedHelp, Frame4);
    layout->addSpacing(4);
    layout->addWidget(Label18);
    layout->addWidget(Label21);
    return Frame4;
}

QGroupBox* TarotSettingsPage::buildTestChoice()
{
    Frame2 = makeFrame("Frame2", QStringLiteral("Test Type"), this);
    addOptionRow(Frame2, "optTestType", TestTypeCaptions, optTestType, 1, [this](int i) {
        m_test.Type = tarot::TestType(i);
        optTestType_Click(i);
    });
    Label20 = makeText(QStringLiteral("Label20"), TestTypeHelp, Frame2);
    Frame2->layout()->addWidget(Label20);
    return Frame2;
}

QGroupBox* TarotSettingsPage::buildLevelChoice()
{
    Frame1 = makeFrame("Frame1", QStringLiteral("Test Level"), this);
    addOptionRow(Frame1, "optDifficulty", LevelCaptions, optDifficulty, 0, [this](int i) { m_test.Level = i; });
    Label19 = makeText(QStringLiteral("Label19"), LevelHelp, Frame1);
    Frame1->layout()->addWidget(Label19);
    return Frame1;
}

// ---- rules ----

void TarotSettingsPage::chkGroup_Click(int index)
{
    // At least one suit stays ticked: the last one unticked is ticked again.
    if (std::ranges::none_of(m_cards.Suits, [](bool ticked) { return ticked; }))
        chkGroup[index]->setChecked(true);
}

void TarotSettingsPage::enableNavigation(bool enabled)
{
    emit arcanaChosen(enabled);
    chkReversed->setEnabled(enabled);
}

void TarotSettingsPage::chkMajor_Click() { enableNavigation(m_cards.AnyArcana()); }

void TarotSettingsPage::chkMinor_Click()
{
    enableNavigation(m_cards.AnyArcana());
    for (QCheckBox* box : chkGroup)
        box->setEnabled(m_cards.Minor);
}

void TarotSettingsPage::optTestType_Click(int index) { chkReversed->setEnabled(index == 0); }

bool TarotSettingsPage::SelectionChosen()
{
    if (m_cards.AnyArcana())
        return true;
    platform::MsgBox(QStringLiteral("Select at least one option."), platform::vbOKOnly);
    return false;
}

void TarotSettingsPage::cmdSetOption_Click()
{
    if (SelectionChosen())
        emit studyRequested();
}

void TarotSettingsPage::cmdStartTest2_Click()
{
    if (SelectionChosen())
        emit testRequested();
}

// ---- stored settings ----

void TarotSettingsPage::LoadSettings()
{
    using namespace tarot_settings;
    // Each value is applied as a click would apply it; an unreadable value stops the reading,
    // and the boxes after it keep their state.
    const auto tick = [](QCheckBox* box, const platform::Setting<int>& setting) {
        const std::optional<int> value = setting.value();
        if (value)
            box->setChecked(*value == 1);
        return value.has_value();
    };
    if (!tick(chkMajor, MajorArcana) || !tick(chkMinor, MinorArcana))
        return;
    for (std::size_t i = 0; i < chkGroup.size(); ++i)
        if (!tick(chkGroup[i], *Suits[i]))
            return;
    const std::optional<int> type = TestType.value();
    if (!type)
        return;
    optTestType[static_cast<std::size_t>(*type)]->setChecked(true);
    const std::optional<int> level = Difficulty.value();
    if (!level)
        return;
    optDifficulty[static_cast<std::size_t>(*level)]->setChecked(true);
}

void TarotSettingsPage::cmdSaveSettings_Click()
{
    using namespace tarot_settings;
    const auto box = [](bool ticked) { return ticked ? 1 : 0; };
    platform::SaveSettings({
        MajorArcana.entry(box(m_cards.Major)),
        MinorArcana.entry(box(m_cards.Minor)),
        Cups.entry(box(m_cards.Suits[0])),
        Wands.entry(box(m_cards.Suits[1])),
        Pentacles.entry(box(m_cards.Suits[2])),
        Swords.entry(box(m_cards.Suits[3])),
        TestType.entry(static_cast<int>(m_test.Type)),
        Difficulty.entry(m_test.Level),
        RunAtSysTray.entry(fraSystemTray->startInTray()),
    });
}
