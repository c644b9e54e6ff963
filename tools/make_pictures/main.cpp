// Draws the program's pictures and writes them, with their .qrc files, into a resources folder.
//   make_pictures <resources folder>
#include "picture_common.h"
#include "rune_stone.h"
#include "shell_pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
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
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_pictures <resources folder>\n");
        return 2;
    }
    const QDir resources(args.at(1));
    if (!resources.exists())
        return fail("resources folder does not exist");

    std::vector<pictures::Resource> runes;
    if (!pictures::writeRunePictures(resources, runes))
        return fail("could not write the rune pictures");
    if (!writeQrc(resources, QStringLiteral("runes.qrc"), QStringLiteral("/runes"), runes))
        return fail("could not write runes.qrc");

    std::vector<pictures::Resource> shell;
    if (!pictures::writeShellPictures(resources, shell))
        return fail("could not write the shell pictures");
    if (!writeQrc(resources, QStringLiteral("shell.qrc"), QStringLiteral("/shell"), shell))
        return fail("could not write shell.qrc");

    std::printf("make_pictures: wrote %zu rune and %zu shell pictures to %s\n", runes.size(), shell.size(),
                qPrintable(resources.absolutePath()));
    return 0;
}
