#include "shell/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/screen.h"
#include "platform/twips.h"
#include "shell/frmAbout.h"
#include "shell/child_window.h"
#include "shell/frmExitScreen.h"
#include "shell/frmStartup.h"
#include "shell/link_label.h"
#include "shell/shell_resources.h"
#include "shell/shutdown.h"
#include "shell/start_page.h"
#include "shell/web_pages.h"

namespace {
constexpr int BannerHeight = 90;
constexpr int BannerBandHeight = 116;
constexpr int ButtonBandHeight = 54;
constexpr int BottomBandHeight = 46;
constexpr int CaptionGap = 14;

const QString WelcomeParagraph = QStringLiteral(
    "Welcome to the first edition of the Orvanel! Here is your chance to make use of our free resources and "
    "improve your knowledge of Astrology, Numerology, Tarot and Runes. Learn from the basics and understand "
    "your personality better than ever before.");
const QString FullBrandOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software "
    "fully branded for your website. Click here for more details.");

struct CaptionStyle {
    QString text;
    QColor colour;
    double points;
};

// Captions of the start page by index; 3..6 open the courses (astrology, numerology, tarot, runes).
const std::array<CaptionStyle, 7>& captionStyles()
{
    static const std::array<CaptionStyle, 7> styles = {{
        {QStringLiteral("Welcome to Orvanel"), QColor(0, 255, 255), 12},
        {WelcomeParagraph, QColor(255, 0, 0), 8.25},
        {QStringLiteral("Orvanel includes the following programs"), QColor(0, 255, 255), 12},
        {QStringLiteral("Learn Astrology"), QColor(255, 255, 0), 12},
        {QStringLiteral("Learn Numerology"), QColor(255, 0, 255), 12},
        {QStringLiteral("Learn Tarot"), QColor(0, 255, 0), 12},
        {QStringLiteral("Learn Runes"), QColor(0, 255, 255), 12},
    }};
    return styles;
}

// Top to bottom on the start page, as the buttons run left to right.
constexpr std::array<int, 7> CaptionOrder = {0, 1, 2, 3, 5, 4, 6};
// Left to right in the button band: astrology, tarot, numerology, runes.
constexpr std::array<int, 4> ButtonOrder = {0, 2, 1, 3};
constexpr std::array<const char*, 4> ButtonPictures = {"astrology", "numerology", "tarot", "runes"};
constexpr std::array<const char*, 4> ButtonCaptions = {"Learn Astrology", "Learn Numerology", "Learn Tarot",
                                                       "Learn Runes"};

QFont verdana(double points, bool bold)
{
    QFont f(QStringLiteral("Verdana"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The banner's band: the picture sits in the middle and each of its edges runs on to the
// side of the band, so the banner spans any window width without a seam.
class BannerBand : public QWidget {
    Q_OBJECT
public:
    explicit BannerBand(QWidget* parent) : QWidget(parent) { setCursor(Qt::PointingHandCursor); }
    void setPicture(QLabel* picture)
    {
        m_picture = picture;
        const QImage banner = picture->pixmap().toImage();
        m_leftEdge = edgeColumn(banner, 0);
        m_rightEdge = edgeColumn(banner, banner.width() - EdgeSample);
    }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        if (!m_picture || m_leftEdge.isNull())
            return;
        const QRect at = m_picture->geometry();
        const int h = m_leftEdge.height();
        painter.drawImage(QRect(0, at.y(), at.x(), h), m_leftEdge);
        painter.drawImage(QRect(at.right() + 1, at.y(), width() - at.right() - 1, h), m_rightEdge);
    }

private:
    static constexpr int EdgeSample = 8;

    // HSL lightness, twice over (the sum of the strongest and the weakest channel).
    static int lightness2(QRgb c)
    {
        const int r = qRed(c), g = qGreen(c), b = qBlue(c);
        return std::max({r, g, b}) + std::min({r, g, b});
    }

    // One pixel per row: the darkest of the edge's first columns, so stars leave no streak.
    static QImage edgeColumn(const QImage& picture, int fromX)
    {
        if (picture.width() < EdgeSample)
            return {};
        const QImage banner = picture.convertToFormat(QImage::Format_RGB32);
        QImage column(1, banner.height(), QImage::Format_RGB32);
        for (int y = 0; y < banner.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(banner.constScanLine(y));
            QRgb darkest = row[fromX];
            for (int x = fromX; x < fromX + EdgeSample; ++x)
                if (lightness2(row[x]) < lightness2(darkest))
                    darkest = row[x];
            column.setPixel(0, y, darkest);
        }
        return column;
    }

    QLabel* m_picture = nullptr;
    QImage m_leftEdge;
    QImage m_rightEdge;
};

// A label's text colour, set in its palette: a style sheet would do the same at the cost of
// the style sheet engine, which nothing else in the window needs.
void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

QWidget* band(QWidget* parent, const char* name, const QColor& colour, int height)
{
    auto* w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setFixedHeight(height);
    return w;
}

// Left edge (pixels) that centres a widget of the given width on the screen, from twips.
int centredLeft(int widthPixels)
{
    return platform::twipsToPixels((platform::ScreenWidthTwips() - platform::pixelsToTwips(widthPixels)) / 2.0);
}
} // namespace

frmMDI::frmMDI() : platform::Form(this, QString::fromLatin1(FormName))
{
    setObjectName(QLatin1String(FormName));
    setWindowTitle(QStringLiteral("Orvanel v1.20"));

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildBanner(central);
    buildButtonBand(central);
    buildStartPage(central);
    mdiArea = new QMdiArea(central);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(QColor(0x20, 0x24, 0x3a));
    // On a small screen a course window may not fit below the bands; it can then be scrolled.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->hide();
    buildBottomBand(central);
    column->addWidget(Picture6);
    column->addWidget(Picture1);
    column->addWidget(picMain, 1);
    column->addWidget(mdiArea, 1);
    column->addWidget(PicCoBrand);
    setCentralWidget(central);
    buildMenus();
    showPictures();
    platform::Forms::setMdiArea(mdiArea);
    start_page::Install(this, [this](bool visible) { setStartPageVisible(visible); });

    const QScreen* screen = this->screen();
    resize(screen ? screen->availableGeometry().size() : QSize(1024, 768));
}

void frmMDI::buildBanner(QWidget* parent)
{
    auto* bannerBand = new BannerBand(parent);
    bannerBand->setObjectName(QStringLiteral("Picture6"));
    bannerBand->setFixedHeight(BannerBandHeight);
    Picture6 = bannerBand;
    bannerPicture = new QLabel(Picture6);
    bannerPicture->setObjectName(QStringLiteral("Picture6Image"));
    bannerPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    bannerPicture->setGeometry(0, 0, 900, BannerHeight);
    connect(bannerBand, &BannerBand::clicked, this, &frmMDI::Picture6_Click);

    lblVelmoraBanner = new LinkLabel(
        QStringLiteral("Join Velmora, the free discussion forum on astrology, numerology, tarot and runes - "
                       "visit our web site today!"),
        Picture6);
    lblVelmoraBanner->setObjectName(QStringLiteral("lblVelmoraBanner"));
    lblVelmoraBanner->setFont(verdana(8.25, true));
    setTextColour(lblVelmoraBanner, QColor(255, 215, 120));
    lblVelmoraBanner->makeLink();
    lblVelmoraBanner->adjustSize();
    lblVelmoraBanner->move(0, BannerHeight + 4);
    connect(lblVelmoraBanner, &LinkLabel::clicked, this, &modHelp::GoToHomePage);
}

void frmMDI::buildButtonBand(QWidget* parent)
{
    Picture1 = band(parent, "Picture1", QColor(0x1b, 0x1f, 0x3a), ButtonBandHeight);
    picButtonContainer = new QWidget(Picture1);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    auto* row = new QHBoxLayout(picButtonContainer);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(8);
    for (int slot = 0; slot < 4; ++slot) {
        const int index = ButtonOrder[slot];
        auto* picture = new QLabel(picButtonContainer);
        picture->setObjectName(QStringLiteral("Picture%1").arg(slot + 2));
        picture->setFixedSize(32, 32);
        buttonPictures[static_cast<std::size_t>(slot)] = picture;
        auto* button = new QPushButton(QLatin1String(ButtonCaptions[index]), picButtonContainer);
        button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(index));
        button->setFont(verdana(8.25, true));
        button->setMinimumSize(150, 32);
        button->setCursor(Qt::PointingHandCursor);
        cmdSelectOption[index] = button;
        connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
        if (slot > 0)
            row->addSpacing(14);
        row->addWidget(picture);
        row->addWidget(button);
    }
    picButtonContainer->adjustSize();
    picButtonContainer->move(0, (ButtonBandHeight - picButtonContainer->height()) / 2);
}

void frmMDI::buildStartPage(QWidget* parent)
{
    picMain = new QWidget(parent);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setAutoFillBackground(true);
    QPalette p = picMain->palette();
    p.setColor(QPalette::Window, Qt::black);
    picMain->setPalette(p);
    picMain->setMouseTracking(true);
    picMain->installEventFilter(this);

    int top = 28;
    for (int index : CaptionOrder) {
        const CaptionStyle& style = captionStyles()[index];
        auto* caption = new LinkLabel(style.text, picMain);
        caption->setObjectName(QStringLiteral("lblCaption_%1").arg(index));
        caption->setFont(verdana(style.points, true));
        setTextColour(caption, style.colour);
        caption->setTextFormat(Qt::PlainText);
        if (index == 1) {
            caption->setWordWrap(true);
            caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            caption->setFixedWidth(620);
            caption->setFixedHeight(caption->heightForWidth(620));
        } else {
            caption->adjustSize();
        }
        if (index >= 3)
            caption->setCursor(Qt::PointingHandCursor);
        caption->move(0, top);
        top += caption->height() + (index == 2 ? CaptionGap * 2 : CaptionGap);
        lblCaption[index] = caption;
        connect(caption, &LinkLabel::clicked, this, [this, index] { lblCaption_Click(index); });
        connect(caption, &LinkLabel::mouseMoved, this, [this, index] { lblCaption_MouseMove(index); });
    }
}

void frmMDI::buildBottomBand(QWidget* parent)
{
    PicCoBrand = band(parent, "PicCoBrand", QColor(0x1b, 0x1f, 0x3a), BottomBandHeight);
    Label7 = new LinkLabel(FullBrandOffer, PicCoBrand);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setFont(verdana(8.25, false));
    setTextColour(Label7, QColor(170, 220, 255));
    Label7->setWordWrap(true);
    Label7->makeLink();
    Label7->setGeometry(10, 3, 640, BottomBandHeight - 6);
    connect(Label7, &LinkLabel::clicked, this, &modHelp::GoToFullyBranded);

    cmdMdiExit = new QPushButton(QStringLiteral("&Exit"), PicCoBrand);
    cmdMdiExit->setObjectName(QStringLiteral("cmdMdiExit"));
    cmdMdiExit->setFont(verdana(8.25, true));
    cmdMdiExit->resize(96, 30);
    cmdMdiExit->move(0, (BottomBandHeight - 30) / 2);
    connect(cmdMdiExit, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);
}

void frmMDI::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &frmMDI::mnuExit_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    auto add = [&](const char* name, const char* caption, auto slot) {
        QAction* action = help->addAction(QLatin1String(caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
    };
    add("mnuOnline", "&Online Help", &modHelp::GoToOnlineHelp);
    add("mnuVisit", "&Visit Us Online", &modHelp::GoToHomePage);
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    add("mnuUpdate", "Check for Software &Update", &modHelp::GoToDownload);
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &frmMDI::mnuAbout_Click);
}

QList<QFont> frmMDI::Fonts()
{
    return {QApplication::font("QMenuBar"), verdana(8.25, true), verdana(12, true), verdana(8.25, false)};
}

QStringList frmMDI::PictureNames()
{
    QStringList names{QStringLiteral("banner")};
    for (const char* name : ButtonPictures)
        names << QLatin1String(name);
    return names;
}

// The pictures come last: start-up decodes them on a worker thread while the rest is built.
void frmMDI::showPictures()
{
    bannerPicture->setPixmap(ShellPicture(QStringLiteral("banner")));
    static_cast<BannerBand*>(Picture6)->setPicture(bannerPicture);
    for (std::size_t slot = 0; slot < buttonPictures.size(); ++slot)
        buttonPictures[slot]->setPixmap(ShellPicture(QLatin1String(ButtonPictures[static_cast<std::size_t>(ButtonOrder[slot])])));
}

void frmMDI::Form_Load()
{
    // Centre the banner text, the course buttons and the captions on the screen; the exit
    // button keeps 120 twips from the right edge.
    lblVelmoraBanner->move(centredLeft(lblVelmoraBanner->width()), lblVelmoraBanner->y());
    picButtonContainer->move(centredLeft(picButtonContainer->width()), picButtonContainer->y());
    for (LinkLabel* caption : lblCaption)
        caption->move(centredLeft(caption->width()), caption->y());
    const double exitLeft = platform::ScreenWidthTwips() - (platform::pixelsToTwips(cmdMdiExit->width()) + 120);
    cmdMdiExit->move(platform::twipsToPixels(exitLeft), cmdMdiExit->y());
    // The banner picture sits in the middle of its band.
    bannerPicture->move(centredLeft(bannerPicture->width()), 0);
    // The window opens on the first course button, so Return starts no web page from the
    // banner link and Space starts a course.
    cmdSelectOption[ButtonOrder[0]]->setFocus(Qt::OtherFocusReason);
}

void frmMDI::Form_Unload()
{
    // During the shutdown the exit screen has done its work (or is being unloaded itself).
    if (!modHelp::ShutdownInProgress()) {
        frmExitScreen* exitScreen = platform::Forms::instance<frmExitScreen>();
        exitScreen->show();
        exitScreen->activateWindow();
    }
    if (frmStartup* startup = platform::Forms::find<frmStartup>())
        startup->hide();
    platform::Forms::setMdiArea(nullptr);
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    unloadOnClose();
    event->accept();
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picMain && event->type() == QEvent::MouseMove)
        picMain_MouseMove();
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::setStartPageVisible(bool visible)
{
    picMain->setVisible(visible);
    mdiArea->setVisible(!visible);
}

void frmMDI::closeCourseWindows()
{
    for (const char* name : CourseWindows)
        platform::Forms::unload(QString::fromLatin1(name));
    platform::Forms::unload(QString::fromLatin1(RunesMeaningTestWindow));
}

void frmMDI::openCourse(int index)
{
    const QString name = QString::fromLatin1(CourseWindows[static_cast<std::size_t>(index)]);
    // A course that is not part of this build has no window to open.
    if (!platform::Forms::hasFactory(name))
        return;
    closeCourseWindows();
    setStartPageVisible(false);
    // The course window's load step places it; it is shown where it placed itself, unless
    // it hid itself there.
    platform::Form* course = platform::Forms::instance(name);
    if (const auto* child = dynamic_cast<const ChildWindow*>(course); child && !child->showsAfterLoad())
        return;
    platform::Forms::showMdiChild(course);
}

void frmMDI::cmdSelectOption_Click(int index) { openCourse(index); }

void frmMDI::lblCaption_Click(int index)
{
    closeCourseWindows();
    if (index >= 3)
        openCourse(index - 3);
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (index >= 3)
        lblCaption[static_cast<std::size_t>(index)]->setUnderline(true);
}

void frmMDI::picMain_MouseMove()
{
    for (LinkLabel* caption : lblCaption)
        caption->setUnderline(false);
}

void frmMDI::cmdMdiExit_Click() { platform::Forms::unload(this); }

void frmMDI::mnuExit_Click() { platform::Forms::unload(this); }

void frmMDI::mnuAbout_Click() { frmAbout::ShowModal(this); }

void frmMDI::Picture6_Click() { modHelp::GoToHomePage(); }

#include "main_window.moc"
