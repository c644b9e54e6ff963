#include "shell/frmExitScreen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/message_box.h"
#include "platform/plain_text.h"
#include "platform/random.h"
#include "shell/colour_area.h"
#include "shell/exact_text.h"
#include "shell/link_label.h"
#include "shell/modTellAFriend.h"
#include "shell/shutdown.h"
#include "shell/shell_resources.h"
#include "shell/web_pages.h"

using namespace modTellAFriend;
using platform::TrimBlanks;

namespace {
const QColor Night(16, 20, 64);
const QColor Gold(250, 226, 150);
const QColor Cyan(0, 255, 255);
constexpr int LeftColumnWidth = 230;
constexpr int RightColumnWidth = 520;
constexpr char Caption[] = "Orvanel v1.20";

QFont verdana(double points, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QString supportMessage(int k)
{
    switch (k) {
    case 0:
        return QStringLiteral("Kesterly, such as this can be created and maintained only with your support. The best "
                              "way to support Velmora is to visit Velmora regularly and take part in the discussions "
                              "and other activities on the board.");
    case 1:
        return QStringLiteral("Visit Velmora regularly. Support Velmora by taking part in the discussions and other "
                              "activities. These softwares cannot be supported and maintained, without you regularly "
                              "visiting Velmora");
    case 2:
        return QStringLiteral("Velmora is a free online discussion forum where anyone can ask questions and talk about "
                              "astrology, numerology, tarot and runes. To help Velmora develop and maintain this "
                              "software visit Velmora regularly.");
    default:
        return QStringLiteral("Velmora needs your help. All you need to do is visit Velmora regularly and take part in "
                              "the various discussions and activites to help us maintain and develop more Kesterly.");
    }
}

QString boxText(const QWidget* box)
{
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(box))
        return exactPlainText(plain);
    return QString();
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->setPlainText(text);
}

// On entry a box that still shows its placeholder is emptied for typing.
void enterBox(QWidget* box, const char* placeholder)
{
    if (TrimBlanks(boxText(box)) == QLatin1String(placeholder))
        setBoxText(box, QString());
}

// On leaving, a box left empty (or only blanks) shows its placeholder again.
void leaveBox(QWidget* box, const char* placeholder)
{
    if (TrimBlanks(boxText(box)).isEmpty())
        setBoxText(box, QString::fromLatin1(placeholder));
}

QLineEdit* lineBox(const char* name, const char* placeholder, QWidget* parent)
{
    auto* box = new QLineEdit(QString::fromLatin1(placeholder), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}
} // namespace

frmExitScreen::frmExitScreen() : platform::Form(this, QString::fromLatin1(FormName))
{
    setObjectName(QString::fromLatin1(FormName));
    setWindowFlag(Qt::Window);
    setWindowTitle(QString::fromLatin1(Caption));
    // The screen is put on top without taking the focus from the window the user works in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    colour_area::paintArea(this, Night, Qt::white);
    setFont(verdana(9));

    buildControls();
    buildLayout();

    placeholderBoxes = {{
        {txtName, &frmExitScreen::txtName_GotFocus, &frmExitScreen::txtName_LostFocus},
        {txtEmail, &frmExitScreen::txtEmail_GotFocus, &frmExitScreen::txtEmail_LostFocus},
        {txtFriendName, &frmExitScreen::txtFriendName_GotFocus, &frmExitScreen::txtFriendName_LostFocus},
        {txtFriendEmail, &frmExitScreen::txtFriendEmail_GotFocus, &frmExitScreen::txtFriendEmail_LostFocus},
        {txtMessage, &frmExitScreen::txtMessage_GotFocus, &frmExitScreen::txtMessage_LostFocus},
    }};
    for (const PlaceholderBox& entry : placeholderBoxes)
        entry.box->installEventFilter(this);

    connect(cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);
    // Ticking by program raises the same event as the user's click.
    connect(Check1, &QCheckBox::toggled, this, &frmExitScreen::Check1_Click);
}

void frmExitScreen::buildControls()
{
    Label1 = new QLabel(QString::fromLatin1(Caption), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(verdana(16, true));
    setColour(Label1, QPalette::WindowText, Gold);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);
    Label2->setFont(verdana(10));
    Label2->setFixedWidth(RightColumnWidth);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest of the four messages, so the window keeps its size whichever is drawn.
    Label2->setMinimumHeight(Label2->fontMetrics().lineSpacing() * 5);

    Check1 = new QCheckBox(QStringLiteral("Click Here To Visit Velmora Now"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setCursor(Qt::PointingHandCursor);
    QFont checkFont = verdana(10, true);
    checkFont.setUnderline(true);
    Check1->setFont(checkFont);
    setColour(Check1, QPalette::WindowText, Cyan);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(ShellPicture(QStringLiteral("exit")));
    Picture1->setAlignment(Qt::AlignCenter);

    Frame6 = new QGroupBox(QStringLiteral("Download Kesterly"), this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    Label3 = new QLabel(QStringLiteral("Kesterly is our family of friendly learning programs: easy study and test "
                                       "tools for astrology, numerology, tarot, runes and more. Every Kesterly "
                                       "program is free to download, so try them all and keep the ones you like."),
                        Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblGoToHome = new LinkLabel(QStringLiteral("Click Here To Visit Kesterly"), Frame6);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setTextFormat(Qt::PlainText);
    lblGoToHome->setWordWrap(true);
    lblGoToHome->setFont(verdana(9, true));
    lblGoToHome->makeLink();
    setColour(lblGoToHome, QPalette::WindowText, Cyan);

    Frame2 = new QGroupBox(QStringLiteral("Refer A Friend"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    txtName = lineBox("txtName", YourNamePlaceholder, Frame2);
    txtEmail = lineBox("txtEmail", YourEmailPlaceholder, Frame2);
    txtFriendName = lineBox("txtFriendName", FriendNamePlaceholder, Frame2);
    txtFriendEmail = lineBox("txtFriendEmail", FriendEmailPlaceholder, Frame2);
    txtMessage = new QPlainTextEdit(QString::fromLatin1(YourMessagePlaceholder), Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setFixedHeight(txtMessage->fontMetrics().lineSpacing() * 4 + 12);
    cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setFont(verdana(9, true));
    cmdSubmit->setMinimumSize(190, 30);

    // Group titles are drawn in the Text colour; the boxes inside keep dark text on white.
    for (QGroupBox* frame : {Frame6, Frame2}) {
        frame->setFont(verdana(10, true));
        setColour(frame, QPalette::Text, Qt::white);
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->setFont(child == lblGoToHome || child == cmdSubmit ? verdana(9, true) : verdana(9));
    }
    for (QWidget* box : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
                         static_cast<QWidget*>(txtFriendName), static_cast<QWidget*>(txtFriendEmail),
                         static_cast<QWidget*>(txtMessage)})
        setColour(box, QPalette::Text, Qt::black);

    cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setFont(verdana(10, true));
    cmdClose->setMinimumSize(110, 30);
}

void frmExitScreen::buildLayout()
{
    auto* heading = new QVBoxLayout;
    heading->setSpacing(10);
    heading->addWidget(Label1);
    heading->addWidget(Label2);
    heading->addWidget(Check1);
    heading->addStretch();

    auto* kesterly = new QVBoxLayout(Frame6);
    kesterly->setSpacing(10);
    kesterly->addWidget(Label3);
    kesterly->addWidget(lblGoToHome);
    kesterly->addStretch();
    Frame6->setFixedWidth(LeftColumnWidth);

    auto* form = new QGridLayout(Frame2);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);
    form->addWidget(txtName, 0, 0);
    form->addWidget(txtFriendName, 0, 1);
    form->addWidget(txtEmail, 1, 0);
    form->addWidget(txtFriendEmail, 1, 1);
    form->addWidget(txtMessage, 2, 0, 1, 2);
    form->addWidget(cmdSubmit, 3, 1, Qt::AlignRight);
    Frame2->setFixedWidth(RightColumnWidth);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    grid->addWidget(Picture1, 0, 0, Qt::AlignCenter);
    grid->addLayout(heading, 0, 1);
    grid->addWidget(Frame6, 1, 0);
    grid->addWidget(Frame2, 1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdClose);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 18, 18, 14);
    outer->setSpacing(14);
    outer->addLayout(grid);
    outer->addLayout(bottom);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order follows the form. "Exit", the default button, holds the focus first, so Return
    // leaves as in a dialog and no box loses its placeholder before the user picks it. Return
    // on the Submit button presses it.
    setTabOrder(txtName, txtEmail);
    setTabOrder(txtEmail, txtFriendName);
    setTabOrder(txtFriendName, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtMessage);
    setTabOrder(txtMessage, cmdSubmit);
    setTabOrder(cmdSubmit, Check1);
    setTabOrder(Check1, cmdClose);
    cmdClose->setDefault(true);
    cmdSubmit->setAutoDefault(true);
    cmdClose->setFocus();
}

void frmExitScreen::Form_Load()
{
    platform::Randomize();
    Label2->setText(supportMessage(platform::RndInt(4)));
    // Topmost, shown where it is, without taking activation.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
}

void frmExitScreen::Form_Unload() { modHelp::ShutdownApplication(); }

void frmExitScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    unloadOnClose();
}

bool frmExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        // Only moves between controls count; the window losing or regaining activation
        // (a message box, another program) leaves the boxes as they are.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (const PlaceholderBox& entry : placeholderBoxes) {
                if (entry.box == watched) {
                    (this->*(type == QEvent::FocusIn ? entry.gotFocus : entry.lostFocus))();
                    break;
                }
            }
        }
    } else if (type == QEvent::KeyPress && (watched == txtEmail || watched == txtFriendEmail)) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1) {
            int KeyAscii = typed.at(0).unicode();
            if (watched == txtEmail)
                txtEmail_KeyPress(KeyAscii);
            else
                txtFriendEmail_KeyPress(KeyAscii);
            if (KeyAscii == 0)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmExitScreen::cmdClose_Click() { modHelp::ShutdownApplication(); }

void frmExitScreen::lblGoToHome_Click() { modHelp::GoToKesterly(); }

void frmExitScreen::Check1_Click()
{
    // Unticking raises this event again, unticked; that second run does nothing.
    if (Check1->isChecked()) {
        Check1->setChecked(false);
        modHelp::GoToHomePage();
    }
}

void frmExitScreen::cmdSubmit_Click()
{
    const ReferAFriendForm form{
        .YourName = TrimBlanks(txtName->text()),
        .YourEmail = TrimBlanks(txtEmail->text()),
        // The message's line breaks travel as CR LF, as a multi-line text box holds them.
        .YourMessage = TrimBlanks(exactPlainText(txtMessage).replace(QLatin1Char('\n'), QStringLiteral("\r\n"))),
        .FriendName = TrimBlanks(txtFriendName->text()),
        .FriendEmail = TrimBlanks(txtFriendEmail->text()),
    };
    const QString& email = form.YourEmail;
    const QString& friendEmail = form.FriendEmail;
    if (email == friendEmail) {
        platform::MsgBox(QStringLiteral("Please Enter Distinct Email Addresses"), platform::vbCritical);
        return;
    }
    if (!email.contains(QLatin1Char('@')) || !friendEmail.contains(QLatin1Char('@'))) {
        platform::MsgBox(QStringLiteral("Please Enter Proper Email Address"), platform::vbCritical);
        return;
    }
    if (!email.contains(QLatin1Char('.')) || !friendEmail.contains(QLatin1Char('.'))) {
        platform::MsgBox(QStringLiteral("Please Enter Proper Email Address"), platform::vbCritical);
        return;
    }
    ReferAFriend(form);
}

void frmExitScreen::txtName_GotFocus() { enterBox(txtName, YourNamePlaceholder); }
void frmExitScreen::txtEmail_GotFocus() { enterBox(txtEmail, YourEmailPlaceholder); }
void frmExitScreen::txtFriendName_GotFocus() { enterBox(txtFriendName, FriendNamePlaceholder); }
void frmExitScreen::txtFriendEmail_GotFocus() { enterBox(txtFriendEmail, FriendEmailPlaceholder); }
void frmExitScreen::txtMessage_GotFocus() { enterBox(txtMessage, YourMessagePlaceholder); }

void frmExitScreen::txtName_LostFocus() { leaveBox(txtName, YourNamePlaceholder); }
void frmExitScreen::txtEmail_LostFocus() { leaveBox(txtEmail, YourEmailPlaceholder); }
void frmExitScreen::txtFriendName_LostFocus() { leaveBox(txtFriendName, FriendNamePlaceholder); }
void frmExitScreen::txtFriendEmail_LostFocus() { leaveBox(txtFriendEmail, FriendEmailPlaceholder); }
void frmExitScreen::txtMessage_LostFocus() { leaveBox(txtMessage, YourMessagePlaceholder); }

void frmExitScreen::txtEmail_KeyPress(int& KeyAscii) { refuseSpace(txtEmail, KeyAscii); }
void frmExitScreen::txtFriendEmail_KeyPress(int& KeyAscii) { refuseSpace(txtFriendEmail, KeyAscii); }

void frmExitScreen::refuseSpace(QWidget* box, int& KeyAscii)
{
    if (KeyAscii != ' ')
        return;
    platform::MsgBox(QStringLiteral("Email Address Cannot Contain Space"), platform::vbCritical);
    KeyAscii = 0;
    box->setFocus(Qt::OtherFocusReason);
}
