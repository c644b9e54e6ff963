// What the user sees of the course colours in a light and a dark desktop palette: option and
// check box indicators, their captions and their keyboard focus, and the focus of links, all
// stand out from the background they are drawn on by at least 3:1, in every course window,
// the about box and the exit screen.
//
// Each control is drawn again as a plain control of its kind, with the real control's palette,
// font and caption, in a window of its own that can take the focus; its pixels are measured.
#include <QApplication>
#include <QCheckBox>
#include <QHash>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "desktop_program.h"
#include "fixtures.h"
#include "platform/forms.h"
#include "shell/frmAbout.h"
#include "shell/frmExitScreen.h"
#include "shell/link_label.h"
#include "shell/main_window.h"
#include "test_registry.h"

using desktop::Scheme;

namespace {

double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double MinContrast = 3.0;

QImage shot(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The colour most pixels have: the background.
QRgb background(const QImage& image)
{
    QHash<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y)];
    QRgb best = 0;
    int most = -1;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return best;
}

// Pixels inside area that stand out from the background by MinContrast.
int standingOut(const QImage& image, const QRect& area, QRgb back)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += contrast(image.pixel(x, y), back) >= MinContrast;
    return n;
}

// Pixels that changed between two shots and stand out from the background.
int changedAndStandingOut(const QImage& before, const QImage& after, QRgb back)
{
    int n = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            n += after.pixel(x, y) != before.pixel(x, y) && contrast(after.pixel(x, y), back) >= MinContrast;
    return n;
}

// A window that can take the keyboard focus, holding one stand-in control.
struct Stage {
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    QWidget* control = nullptr;

    void show()
    {
        control->setParent(host.get());
        control->move(4, 4);
        control->resize(control->sizeHint().expandedTo(QSize(40, 10)));
        host->resize(control->width() + 8, control->height() + 8);
        host->setAttribute(Qt::WA_KeyboardFocusChange);
        host->show();
        host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
    }
    QImage focused()
    {
        // As Tab gives it: the window then shows keyboard focus.
        control->setFocus(Qt::TabFocusReason);
        host->setAttribute(Qt::WA_KeyboardFocusChange);
        if (!QTest::qWaitFor([this] { return control->hasFocus(); }))
            return {};
        return shot(control);
    }
    QImage unfocused()
    {
        control->clearFocus();
        return shot(control);
    }
};

// The palette a control draws with, every colour of it its own (a palette as read from a
// widget carries over only what was set on that widget).
QPalette drawnWith(const QWidget* real)
{
    const QPalette from = real->palette();
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            if (role != QPalette::NoRole)
                p.setBrush(group, QPalette::ColorRole(role), from.brush(group, QPalette::ColorRole(role)));
    return p;
}

template <typename Kind>
Kind* standIn(const QAbstractButton* real)
{
    auto* copy = new Kind(real->text().isEmpty() ? QStringLiteral("Option") : real->text().left(24));
    copy->setPalette(drawnWith(real));
    copy->setFont(real->font());
    copy->setEnabled(true);
    return copy;
}

QRect subRect(QAbstractButton* button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

// The controls of a kind, one of each palette and font: many share the same.
template <typename Kind>
QList<Kind*> distinct(const QWidget* window)
{
    QList<Kind*> found;
    for (Kind* w : window->findChildren<Kind*>()) {
        const auto same = [w](const Kind* other) { return other->palette() == w->palette() && other->font() == w->font(); };
        if (std::none_of(found.cbegin(), found.cend(), same))
            found << w;
    }
    return found;
}

QWidget* openWindow(TestEnvironment& env, const QString& which)
{
    if (which == QLatin1String("about box"))
        return platform::Forms::instance<frmAbout>();
    if (which == QLatin1String("exit screen"))
        return platform::Forms::instance<frmExitScreen>();
    frmMDI* main = desktop::startProgram(env);
    main->show();
    const QStringList courses{"astrology", "numerology", "tarot", "runes"};
    return desktop::openCourse(main, int(courses.indexOf(which)));
}

template <typename Kind>
void checkIndicatorsAndCaptions(QWidget* window, QStyle::SubElement indicator, QStyle::SubElement contents, int& checked)
{
    for (QAbstractButton* real : distinct<Kind>(window)) {
        for (const bool ticked : {false, true}) {
            Stage stage;
            auto* copy = standIn<Kind>(real);
            copy->setChecked(ticked);
            stage.control = copy;
            stage.show();
            const QImage plain = stage.unfocused();
            const QRgb back = background(plain);
            const QRect box = subRect(copy, indicator);
            const QString what = QStringLiteral("%1 %2 (%3)").arg(real->objectName(), real->text().left(20),
                                                                  ticked ? QStringLiteral("ticked") : QStringLiteral("clear"));
            // The indicator's outline or fill, not a faint trace of it.
            QVERIFY2(standingOut(plain, box, back) >= 2 * box.height(),
                     qPrintable(what + QStringLiteral(": indicator %1 of %2 px").arg(standingOut(plain, box, back)).arg(box.width() * box.height())));
            QVERIFY2(standingOut(plain, subRect(copy, contents), back) >= 12, qPrintable(what + QStringLiteral(": caption")));
            // The keyboard focus: a ring that stands out as well.
            const QImage ring = stage.focused();
            QVERIFY2(!ring.isNull(), qPrintable(what + QStringLiteral(": took no focus")));
            QVERIFY2(changedAndStandingOut(plain, ring, back) >= copy->width(),
                     qPrintable(what + QStringLiteral(": focus %1 px").arg(changedAndStandingOut(plain, ring, back))));
            ++checked;
        }
    }
}

} // namespace

class TestColours : public QObject {
    Q_OBJECT
private:
    QPalette m_palette;
    QString m_style;

private slots:
    void initTestCase()
    {
        m_palette = QApplication::palette();
        m_style = QApplication::style()->name();
    }
    void cleanup()
    {
        QApplication::setStyle(m_style);
        QApplication::setPalette(m_palette);
    }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Scheme>("scheme");
        for (const char* window : {"astrology", "numerology", "tarot", "runes", "about box", "exit screen"})
            for (const Scheme scheme : {Scheme::Light, Scheme::Dark})
                QTest::addRow("%s, %s", window, qPrintable(desktop::schemeName(scheme))) << QString::fromLatin1(window)
                                                                                      << scheme;
    }

    void optionsAndCheckBoxesStandOut_data() { windows_data(); }
    void optionsAndCheckBoxesStandOut()
    {
        QFETCH(QString, window);
        QFETCH(Scheme, scheme);
        desktop::useScheme(scheme);
        TestEnvironment env;
        QWidget* w = openWindow(env, window);
        QVERIFY(w);
        int checked = 0;
        checkIndicatorsAndCaptions<QRadioButton>(w, QStyle::SE_RadioButtonIndicator, QStyle::SE_RadioButtonContents, checked);
        if (QTest::currentTestFailed())
            return;
        checkIndicatorsAndCaptions<QCheckBox>(w, QStyle::SE_CheckBoxIndicator, QStyle::SE_CheckBoxContents, checked);
        if (QTest::currentTestFailed())
            return;
        // The about box has neither; every other window has some.
        QCOMPARE(checked > 0, window != QLatin1String("about box"));
    }

    void focusedLinksAreFramed_data() { windows_data(); }
    void focusedLinksAreFramed()
    {
        QFETCH(QString, window);
        QFETCH(Scheme, scheme);
        desktop::useScheme(scheme);
        TestEnvironment env;
        QWidget* w = openWindow(env, window);
        QVERIFY(w);
        const QList<LinkLabel*> links = w->findChildren<LinkLabel*>();
        int framed = 0;
        for (LinkLabel* real : links) {
            if (real->focusPolicy() == Qt::NoFocus)
                continue;
            Stage stage;
            auto* copy = new LinkLabel(real->text());
            copy->setPalette(drawnWith(real));
            copy->setFont(real->font());
            copy->setForegroundRole(real->foregroundRole());
            copy->setWordWrap(true);
            copy->setFixedWidth(std::min(real->width() > 0 ? real->width() : 200, 260));
            copy->makeLink();
            copy->setAutoFillBackground(true);
            stage.control = copy;
            stage.show();
            const QImage plain = stage.unfocused();
            const QRgb back = background(plain);
            QVERIFY2(standingOut(plain, plain.rect(), back) > 0, qPrintable(real->objectName() + QStringLiteral(": text")));
            const QImage ring = stage.focused();
            QVERIFY2(!ring.isNull(), qPrintable(real->objectName() + QStringLiteral(": took no focus")));
            QVERIFY2(changedAndStandingOut(plain, ring, back) >= copy->width() + copy->height(),
                     qPrintable(real->objectName() + QStringLiteral(": focus %1 px").arg(changedAndStandingOut(plain, ring, back))));
            ++framed;
        }
        QVERIFY(framed > 0);
    }
};

ORVANEL_TEST(TestColours)
#include "test_colours.moc"
