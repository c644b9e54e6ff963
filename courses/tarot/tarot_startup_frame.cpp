#include "courses/tarot/tarot_startup_frame.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "courses/tarot/logic/tarot_settings.h"
#include "platform/program_folder.h"
#include "platform/startup_entry.h"
#include "shell/course_widgets.h"

using course_widgets::make;
using course_widgets::makeText;

namespace {

const QString StartUpAdvice = QStringLiteral(
    "This is a very important setting. Remember that if you want to get the most benefit from this program then you "
    "must have it running at all times.\n\n"
    "It is also important that you keep your goals in mind, hence starting in system tray will be a deterrent to "
    "those goals.");

} // namespace

TarotStartUpFrame::TarotStartUpFrame(QWidget* parent) : QGroupBox(QStringLiteral("Run on Windows Start-Up"), parent)
{
    setObjectName(QStringLiteral("fraSystemTray"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    optRun = make<QRadioButton>(QStringLiteral("optRun"), QStringLiteral("Run at start-up"), this);
    optDontRun = make<QRadioButton>(QStringLiteral("optDontRun"), QStringLiteral("Don't run at start-up"), this);
    chkSysTray = make<QCheckBox>(QStringLiteral("chkSysTray"), QStringLiteral("Start at system tray"), this);
    chkSysTray->setEnabled(false);
    auto* options = new QHBoxLayout;
    options->addWidget(optRun);
    options->addWidget(optDontRun);
    options->addStretch(1);
    layout->addLayout(options);
    layout->addWidget(chkSysTray);
    Label14 = makeText(QStringLiteral("Label14"), StartUpAdvice, this);
    layout->addWidget(Label14);

    connect(optRun, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optRun_Click();
    });
    connect(optDontRun, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optDontRun_Click();
    });
    connect(chkSysTray, &QCheckBox::toggled, this, [this](bool on) {
        m_startInTray = on;
        chkSysTray_Click();
    });
}

void TarotStartUpFrame::optRun_Click()
{
    // The entry is written again each time, with the program's present folder.
    platform::SetRunAtStartup(platform::ExecutableName(), platform::ProgramFolder(), true);
    chkSysTray->setEnabled(true);
}

void TarotStartUpFrame::optDontRun_Click()
{
    platform::SetRunAtStartup(platform::ExecutableName(), platform::ProgramFolder(), false);
    chkSysTray->setEnabled(false);
    chkSysTray->setChecked(false);
}

void TarotStartUpFrame::chkSysTray_Click() { tarot_settings::RunAtSysTray.save(m_startInTray); }

void TarotStartUpFrame::RestoreStartUpOptions()
{
    if (!platform::IsRunAtStartup(platform::ExecutableName())) {
        optDontRun->setChecked(true);
        return;
    }
    optRun->setChecked(true);
    chkSysTray->setChecked(tarot_settings::RunAtSysTray.valueOr(false));
}
