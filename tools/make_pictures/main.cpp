// Draws the program's pictures and writes them, with their .qrc files, into a resources folder.
//   make_pictures <resources folder> [runes] [shell] [astrology] [tarot] [icons]
// Without a set name every set is drawn; with names only those sets are written.
#include "astrology_glyphs.h"
#include "desktop_icons.h"
#include "picture_common.h"
#include "rune_stone.h"
#include "shell_pictures.h"
#include "tarot_cards.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

bool writeQrc(const QDir& resources, const QString& fileName, const QString& prefix,
              const std::vector<pictures::Resource>& entries)
{
    QFile file(resources.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n";
    out << "    <qresource prefix=\"" << prefix << "\">\n";
    for (const auto& entry : entries)
        out << "        <file alias=\"" << entry.alias << "\">" << entry.file << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    out.flush();
    return file.error() == QFileDevice::NoError;
}

int fail(const char* what)
{
    std::fprintf(stderr, "make_pictures: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    const QStringList knownSets = {QStringLiteral("runes"), QStringLiteral("shell"), QStringLiteral("astrology"),
                                   QStringLiteral("tarot"), QStringLiteral("icons")};
    QStringList sets = args.mid(2);
    const bool setsKnown = std::all_of(sets.cbegin(), sets.cend(),
                                       [&](const QString& set) { return knownSets.contains(set); });
    if (args.size() < 2 || !setsKnown) {
        std::fprintf(stderr, "usage: make_pictures <resources folder> [runes] [shell] [astrology] [tarot] [icons]\n");
        return 2;
    }
    if (sets.isEmpty())
        sets = knownSets;
    const QDir resources(args.at(1));
    if (!resources.exists())
        return fail("resources folder does not exist");

    if (sets.contains(QStringLiteral("runes"))) {
        std::vector<pictures::Resource> runes;
        if (!pictures::writeRunePictures(resources, runes))
            return fail("could not write the rune pictures");
        if (!writeQrc(resources, QStringLiteral("runes.qrc"), QStringLiteral("/runes"), runes))
            return fail("could not write runes.qrc");
        std::printf("make_pictures: wrote %zu rune pictures\n", runes.size());
    }

    if (sets.contains(QStringLiteral("shell"))) {
        std::vector<pictures::Resource> shell;
        if (!pictures::writeShellPictures(resources, shell))
            return fail("could not write the shell pictures");
        if (!writeQrc(resources, QStringLiteral("shell.qrc"), QStringLiteral("/shell"), shell))
            return fail("could not write shell.qrc");
        std::printf("make_pictures: wrote %zu shell pictures\n", shell.size());
    }

    if (sets.contains(QStringLiteral("astrology"))) {
        std::vector<pictures::Resource> astrology;
        if (!pictures::writeAstrologyPictures(resources, astrology))
            return fail("could not write the astrology pictures");
        if (!writeQrc(resources, QStringLiteral("astrology.qrc"), QStringLiteral("/astrology"), astrology))
            return fail("could not write astrology.qrc");
        std::printf("make_pictures: wrote %zu astrology pictures\n", astrology.size());
    }

    if (sets.contains(QStringLiteral("tarot"))) {
        // The card database tool reads these files; they are not embedded through a .qrc.
        std::vector<pictures::Resource> tarot;
        if (!pictures::writeTarotPictures(resources, tarot))
            return fail("could not write the tarot pictures");
        std::printf("make_pictures: wrote %zu tarot pictures\n", tarot.size());
    }

    if (sets.contains(QStringLiteral("icons"))) {
        // Installed into the desktop's icon theme, not embedded.
        std::vector<pictures::Resource> icons;
        if (!pictures::writeDesktopIcons(resources, icons))
            return fail("could not write the desktop icons");
        std::printf("make_pictures: wrote %zu desktop icons\n", icons.size());
    }

    std::printf("make_pictures: done in %s\n", qPrintable(resources.absolutePath()));
    return 0;
}
