#pragma once
// Windows with one instance each, and the collection of loaded windows in load order.
// A window is loaded by its first use (its load step runs then) and unloaded by
// Forms::unload (its unload step runs, then it is destroyed).
#include <QString>
#include <functional>
#include <vector>

class QWidget;
class QMdiArea;

namespace platform {

class Form {
public:
    Form(QWidget* self, QString name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QWidget* widget() const { return m_self; }
    const QString& formName() const { return m_name; }
    // The widget that is moved and shown: the MDI frame of a child window, else the window.
    QWidget* frame() const;

    // Places the window in twips, as designed positions are given.
    void setLeftTwips(double left);
    void setTopTwips(double top);
    double widthTwips() const;

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Call from closeEvent: a close box unloads the window like Unload does.
    void unloadOnClose();

private:
    friend class FormsAccess;
    QWidget* m_self;
    QString m_name;
};

namespace Forms {

using Factory = std::function<Form*()>;

// The loaded windows, in load order.
const std::vector<Form*>& loaded();
Form* find(const QString& name);
bool isLoaded(const Form* form);

// Creates the window, adds it to the collection, then runs its load step.
void load(Form* form);
// Runs the unload step, unloads child windows held inside it, removes it from the
// collection and hides it at once. It is destroyed later: when control returns to the event
// loop, so it may unload itself from its own handler, and never while a nested loop (a
// message box, a modal dialog) runs, since code waiting on that loop may still use it.
void unload(Form* form);
void unload(const QString& name);
// Unloaded windows still waiting for no nested loop to run (tests).
std::size_t awaitingDestruction();

// Named factories let the main window open course windows it does not know by type.
void registerFactory(const QString& name, Factory factory);
bool hasFactory(const QString& name);
Form* instance(const QString& name);

template <typename T>
T* find()
{
    return dynamic_cast<T*>(find(QString::fromLatin1(T::FormName)));
}

template <typename T>
T* instance()
{
    if (T* existing = find<T>())
        return existing;
    T* created = new T;
    load(created);
    return created;
}

// The main window's MDI area, where child windows are shown.
void setMdiArea(QMdiArea* area);
QMdiArea* mdiArea();
// Puts a window into the main window's MDI area, in an MDI frame of its own, without showing
// it; does nothing when it is there already or there is no MDI area.
void adoptMdiChild(Form* form);
// Shows a loaded window as a child of the main window (adopting it first if need be).
void showMdiChild(Form* form);

} // namespace Forms
} // namespace platform
