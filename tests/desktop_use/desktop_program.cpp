#include "desktop_program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include "courses/astrology/astrology_course.h"
#include "courses/numerology/numerology_course.h"
#include "courses/runes/runes_course.h"
#include "courses/tarot/tarot_course.h"
#include "fixtures.h"
#include "platform/forms.h"
#include "shell/contrast_style.h"
#include "shell/frmStartup.h"
#include "shell/main_window.h"

namespace desktop {
namespace {

// /usr/share/qt6ct/colors/darker.conf, in the order of the palette's colour roles.
constexpr const char* DarkerActive[] = {"#ffffff", "#424245", "#979797", "#5e5c5b", "#302f2e", "#4a4947", "#ffffff",
                                        "#ffffff", "#ffffff", "#3d3d3d", "#222020", "#e7e4e0", "#12608a", "#f9f9f9",
                                        "#0986d3", "#a70b06", "#5c5b5a", "#ffffff", "#3f3f36", "#ffffff", "#80ffffff"};

QPalette darkerPalette()
{
    QPalette p;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (role == QPalette::NoRole)
            continue;
        const QColor colour(QString::fromLatin1(DarkerActive[role]));
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, QPalette::ColorRole(role), colour);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        p.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return p;
}

} // namespace

QString schemeName(Scheme scheme) { return scheme == Scheme::Light ? QStringLiteral("light") : QStringLiteral("dark"); }

void useScheme(Scheme scheme)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InstallContrastStyle();
    QApplication::setPalette(scheme == Scheme::Light ? QApplication::style()->standardPalette() : darkerPalette());
}

frmMDI* startProgram(TestEnvironment& env)
{
    RegisterAstrologyCourse();
    RegisterNumerologyCourse();
    RegisterRunesCourse();
    RegisterTarotCourse();
    const QString cards = env.programFolder() + QStringLiteral("/learn.dll");
    if (!QFile::exists(cards))
        QFile::copy(QStringLiteral(ORVANEL_BINARY_DIR "/learn.dll"), cards);
    platform::Forms::instance<frmStartup>();
    return platform::Forms::find<frmMDI>();
}

QWidget* openCourse(frmMDI* main, int k)
{
    main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(k))->click();
    return dynamic_cast<QWidget*>(platform::Forms::find(QString::fromLatin1(frmMDI::CourseWindows[std::size_t(k)])));
}

} // namespace desktop
