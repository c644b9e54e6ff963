// make_carddb: builds the card database learn.dll from the card texts and pictures.
// Usage: make_carddb <cards folder> <pictures folder> <output file>
// Fails (exit code 1) with one line per problem, naming file and card, when any card is wrong.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "card_database_writer.h"
#include "card_source.h"

namespace {

void printLine(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        printLine(QStringLiteral("usage: make_carddb <cards folder> <pictures folder> <output file>"));
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    const carddb::CardSources sources = carddb::loadCardSources(args.at(1), args.at(2));
    if (!sources.problems.isEmpty()) {
        printLine(QStringLiteral("make_carddb: the card database was not built; %1 problem(s) in the card sources:")
                      .arg(sources.problems.size()));
        for (const QString& problem : sources.problems)
            printLine(QStringLiteral("  ") + problem);
        return 1;
    }
    QString error;
    if (!carddb::writeCardDatabase(args.at(3), sources.cards, &error)) {
        printLine(QStringLiteral("make_carddb: ") + error);
        return 1;
    }
    std::printf("make_carddb: wrote %lld cards to %s in %lld ms\n", static_cast<long long>(sources.cards.size()),
                args.at(3).toLocal8Bit().constData(), static_cast<long long>(clock.elapsed()));
    return 0;
}
