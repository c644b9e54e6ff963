#include "shell/frmAbout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/colour_area.h"
#include "shell/link_label.h"
#include "shell/shell_resources.h"
#include "shell/web_pages.h"

namespace {
const QColor DarkBlue(0, 0, 128);
const QColor Cyan(0, 255, 255);
constexpr int TextColumnWidth = 360;

QFont verdana(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* textLabel(const char* name, const QString& text, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(font);
    label->setFixedWidth(TextColumnWidth);
    return label;
}

LinkLabel* linkLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(verdana(8.25, false));
    label->makeLink();
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Cyan);
    label->setPalette(palette);
    label->setFixedWidth(TextColumnWidth);
    return label;
}
} // namespace

frmAbout::frmAbout() : platform::Form(this, QString::fromLatin1(FormName))
{
    setObjectName(QString::fromLatin1(FormName));
    setWindowTitle(QStringLiteral("Orvanel v1.20"));
    colour_area::paintArea(this, DarkBlue, Qt::white);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(ShellPicture(QStringLiteral("about")));
    Picture1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label2 = textLabel("Label2", QStringLiteral("Orvanel v1.20"), verdana(9.75, true), this);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setFixedWidth(TextColumnWidth);

    Label1 = textLabel("Label1",
                       QStringLiteral("Orvanel is a collection of learning softwares teaching you the basics of "
                                      "Astrology, Numerology, Tarot and Runes. This is a learn-and-test yourself "
                                      "kind of learning software. This software is a simple and useful aid in the "
                                      "study of the above mentioned topics. This can help beginners learn and test "
                                      "their understanding of the subject."),
                       verdana(8.25, false), this);
    Label3 = textLabel("Label3",
                       QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                      "online. Get this software fully branded for your website. "),
                       verdana(8.25, true), this);
    lblCobrand = linkLabel("lblCobrand", QStringLiteral("Click here for more details."), this);
    lblHomePage = linkLabel("lblHomePage",
                            QStringLiteral("Visit us on the web at ") + QString::fromLatin1(modHelp::MainSite), this);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(verdana(8.25, true));
    cmdOK->setMinimumWidth(90);
    cmdOK->setDefault(true);
    // The box opens on its default button, so Return closes it; the links come after it.
    cmdOK->setFocus();

    auto* text = new QVBoxLayout;
    text->setSpacing(8);
    text->addWidget(Label2);
    text->addWidget(Line1);
    text->addWidget(Label1);
    text->addSpacing(4);
    text->addWidget(Label3);
    text->addWidget(lblCobrand);
    text->addSpacing(4);
    text->addWidget(lblHomePage);
    text->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addLayout(text);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 12);
    outer->setSpacing(12);
    outer->addLayout(top);
    outer->addLayout(buttons);
    // The box takes the size its texts need, and the user cannot resize it.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(cmdOK, lblCobrand);
    setTabOrder(lblCobrand, lblHomePage);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
}

void frmAbout::ShowModal(QWidget* owner)
{
    QPointer<frmAbout> box = platform::Forms::instance<frmAbout>();
    // Already open (shown by another caller): it keeps its own modal run.
    if (box->isVisible()) {
        box->raise();
        box->activateWindow();
        return;
    }
    if (owner && box->parentWidget() != owner)
        box->setParent(owner, box->windowFlags());
    box->exec();
    // The close box and Escape only hide the box; it is released all the same.
    if (box && platform::Forms::isLoaded(box.data()))
        platform::Forms::unload(box.data());
}

void frmAbout::cmdOK_Click() { platform::Forms::unload(this); }

void frmAbout::lblCobrand_Click() { modHelp::GoToFullyBranded(); }

void frmAbout::lblHomePage_Click() { modHelp::GoToHomePage(); }
