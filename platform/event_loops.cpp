#include "platform/event_loops.h"

#include <QCoreApplication>
#include <QThread>

namespace platform {
namespace {
// The loop level of the main loop while it runs; 0 when none runs.
int& mainLevel()
{
    static int level = 0;
    return level;
}

int currentLevel() { return QThread::currentThread()->loopLevel(); }
} // namespace

int RunMainLoop(QEventLoop* loop)
{
    const int outer = mainLevel();
    mainLevel() = currentLevel() + 1;
    const int code = loop ? loop->exec() : QCoreApplication::exec();
    mainLevel() = outer;
    return code;
}

bool NestedLoopRunning() { return currentLevel() > mainLevel(); }

} // namespace platform
