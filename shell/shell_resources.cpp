#include "shell/shell_resources.h"

#include <QHash>
#include <QImage>
#include <QtGlobal>
#include <future>

// Q_INIT_RESOURCE has to stand outside any namespace.
void InitShellResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(shell);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {
using Pictures = QHash<QString, QImage>;

QImage decode(const QString& name) { return QImage(QStringLiteral(":/shell/") + name, "PNG"); }

// Pictures being decoded, then those decoded and not yet taken; main thread only.
struct Preloaded {
    std::future<Pictures> pending;
    Pictures ready;
};

Preloaded& preloaded()
{
    static Preloaded pictures;
    return pictures;
}
} // namespace

void PreloadShellPictures(const QStringList& names)
{
    InitShellResources();
    Preloaded& p = preloaded();
    if (p.pending.valid())
        return;
    p.pending = std::async(std::launch::async, [names] {
        Pictures pictures;
        for (const QString& name : names)
            pictures.insert(name, decode(name));
        return pictures;
    });
}

QPixmap ShellPicture(const QString& name)
{
    InitShellResources();
    Preloaded& p = preloaded();
    if (p.pending.valid())
        p.ready.insert(p.pending.get());
    QImage picture = p.ready.take(name);
    return QPixmap::fromImage(picture.isNull() ? decode(name) : std::move(picture));
}
