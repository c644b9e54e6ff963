#include "bench_tarot_db.h"

#include "bench_common.h"

#include <QElapsedTimer>
#include <QLabel>
#include <cstdio>
#include <vector>

#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/modImageDB.h"
#include "platform/process.h"

namespace {

struct Times {
    std::vector<double> open, query, picture, total;
};

void print(const char* key, const std::vector<double>& values)
{
    std::printf("%s %.3f %.3f %.3f\n", key, values.empty() ? 0.0 : values.front(), median(values), slowest(values));
}

} // namespace

void MeasureCardDatabase()
{
    const QString query = QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID");
    QLabel target;
    target.resize(150, 260);
    target.show();
    Times times;
    for (int run = 0; run < 51; ++run) {
        modDB db;
        QElapsedTimer clock;
        clock.start();
        const bool opened = db.OpenConnection(db.CardConnection, modDB::CardDatabasePath());
        const double open = clock.nsecsElapsed() / 1e6;
        const bool read = opened && db.OpenRecordset(db.CardRecordset, db.CardConnection, query);
        const double queried = clock.nsecsElapsed() / 1e6;
        db.CardRecordset.Move(run % 78);
        const bool shown = read && modImageDB::LoadPictureFromField(&target, db.CardRecordset, QStringLiteral("PictureData"));
        target.repaint();
        const double total = clock.nsecsElapsed() / 1e6;
        if (!shown || db.CardRecordset.RecordCount() != 78) {
            std::printf("tarot-db-failed %s\n", qPrintable(db.lastError().replace(QLatin1Char('\n'), QLatin1Char(' '))));
            break;
        }
        times.open.push_back(open);
        times.query.push_back(queried - open);
        times.picture.push_back(total - queried);
        times.total.push_back(total);
    }
    // Each line: first run, median and slowest of 51, in milliseconds.
    print("tarot-db-open-ms", times.open);
    print("tarot-db-query-ms", times.query);
    print("tarot-db-picture-ms", times.picture);
    print("tarot-db-total-ms", times.total);
    std::fflush(stdout);
    platform::EndProcess();
}
