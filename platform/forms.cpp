#include "platform/forms.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <map>
#include <utility>

#include "platform/event_loops.h"
#include "platform/twips.h"

namespace platform {

class FormsAccess {
public:
    static void runLoad(Form* f) { f->Form_Load(); }
    static void runUnload(Form* f) { f->Form_Unload(); }
};

namespace {
std::vector<Form*>& collection()
{
    static std::vector<Form*> forms;
    return forms;
}

std::map<QString, Forms::Factory>& factories()
{
    static std::map<QString, Forms::Factory> f;
    return f;
}

QPointer<QMdiArea>& area()
{
    static QPointer<QMdiArea> a;
    return a;
}

// Unloaded windows whose destruction waits until no nested event loop runs: a message box or
// dialog running its loop, and the handler that opened it, may still hold them.
std::vector<QPointer<QWidget>>& awaiting()
{
    static std::vector<QPointer<QWidget>> frames;
    return frames;
}

void destroyAwaitingWindows();

QTimer* reaper()
{
    static QPointer<QTimer> timer;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, &destroyAwaitingWindows);
    }
    return timer;
}

void destroyAwaitingWindows()
{
    if (NestedLoopRunning())
        return;
    reaper()->stop();
    // deleteLater from the main loop's level: the windows go when control returns to it.
    for (const QPointer<QWidget>& frame : std::exchange(awaiting(), {}))
        if (frame)
            frame->deleteLater();
}

void destroyWhenNoLoopRuns(QWidget* frame)
{
    if (!NestedLoopRunning() || !QCoreApplication::instance()) {
        frame->deleteLater();
        return;
    }
    awaiting().emplace_back(frame);
    reaper()->start();
}

bool isInside(const QWidget* child, const QWidget* parent)
{
    for (const QWidget* w = child ? child->parentWidget() : nullptr; w; w = w->parentWidget())
        if (w == parent)
            return true;
    return false;
}
} // namespace

Form::Form(QWidget* self, QString name) : m_self(self), m_name(std::move(name)) {}

Form::~Form()
{
    auto& forms = collection();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

QWidget* Form::frame() const
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(m_self->parentWidget()))
        return sub;
    return m_self;
}

void Form::setLeftTwips(double left)
{
    QWidget* f = frame();
    f->move(twipsToPixels(left), f->y());
}

void Form::setTopTwips(double top)
{
    QWidget* f = frame();
    f->move(f->x(), twipsToPixels(top));
}

double Form::widthTwips() const { return pixelsToTwips(frame()->width()); }

void Form::unloadOnClose()
{
    if (Forms::isLoaded(this))
        Forms::unload(this);
}

namespace Forms {

const std::vector<Form*>& loaded() { return collection(); }

Form* find(const QString& name)
{
    for (Form* f : collection())
        if (f->formName() == name)
            return f;
    return nullptr;
}

bool isLoaded(const Form* form)
{
    const auto& forms = collection();
    return std::find(forms.begin(), forms.end(), form) != forms.end();
}

void load(Form* form)
{
    collection().push_back(form);
    FormsAccess::runLoad(form);
}

void unload(Form* form)
{
    if (!form || !isLoaded(form))
        return;
    // Leave the collection first, so that a nested unload of the same window does nothing.
    auto& forms = collection();
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
    FormsAccess::runUnload(form);

    // Windows shown inside this one (MDI children) go with it, each with its own unload step.
    const std::vector<Form*> snapshot = collection();
    for (Form* other : snapshot)
        if (isLoaded(other) && isInside(other->widget(), form->widget()))
            unload(other);

    QWidget* frame = form->frame();
    if (area() && frame != form->widget() && frame == area()->activeSubWindow())
        area()->setActiveSubWindow(nullptr);
    frame->hide();
    destroyWhenNoLoopRuns(frame);
}

void unload(const QString& name) { unload(find(name)); }

std::size_t awaitingDestruction()
{
    auto& frames = awaiting();
    frames.erase(std::remove(frames.begin(), frames.end(), nullptr), frames.end());
    return frames.size();
}

void registerFactory(const QString& name, Factory factory) { factories()[name] = std::move(factory); }

bool hasFactory(const QString& name) { return factories().count(name) > 0; }

Form* instance(const QString& name)
{
    if (Form* existing = find(name))
        return existing;
    auto it = factories().find(name);
    if (it == factories().end())
        return nullptr;
    Form* created = it->second();
    load(created);
    return created;
}

void setMdiArea(QMdiArea* a) { area() = a; }

QMdiArea* mdiArea() { return area(); }

void adoptMdiChild(Form* form)
{
    if (!form || !area())
        return;
    QWidget* w = form->widget();
    if (qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        return;
    QMdiSubWindow* sub = area()->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowIcon(w->windowIcon());
    sub->resize(sub->sizeHint());
}

void showMdiChild(Form* form)
{
    if (!form)
        return;
    adoptMdiChild(form);
    QWidget* w = form->widget();
    form->frame()->show();
    w->show();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        area()->setActiveSubWindow(sub);
}

} // namespace Forms
} // namespace platform
