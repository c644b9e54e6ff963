#pragma once
// A user who acts at random on every visible window through the accessibility interface:
// presses buttons, toggles check boxes and options, picks combo entries, types into text
// boxes, picks menu items, switches tabs, sets values, clicks links and closes windows.
// Message boxes and other modal dialogs are answered after a while; actions go on while
// they are up, as a screen reader can still reach the windows behind them.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <set>

class QWidget;
class FakeTray;

class RandomUser {
public:
    struct Options {
        std::uint64_t seed = 1;
        int actions = 1000;
        // Chance that a modal box that is up gets answered at a step.
        double answerChance = 0.15;
        // Most steps a modal box stays up before it is answered all the same.
        int maxStepsUnanswered = 40;
        // Wall-clock limit of one run in milliseconds.
        int timeLimitMs = 40000;
        bool trace = false;
    };

    // tray, when given, is the fake tray whose icons the user clicks too.
    explicit RandomUser(Options options, FakeTray* tray = nullptr);

    // Runs the actions in the program's main loop and returns once every box is answered.
    // restartProgram is called whenever no window of the program is left (after its shutdown).
    void run(const std::function<void()>& restartProgram);

    // The message-box handler: most prompts show a real box (up to three nested), which the
    // steps answer later; the others get a scripted answer at once.
    int answerMsgBox(const QString& prompt, int style);

    // What happened, for the checks: counts per kind of action, the windows acted on, the
    // windows that were shown visible while unloaded, and the boxes answered.
    std::map<QString, int> counts;
    std::set<QString> windowsSeen;
    QStringList unloadedButShown;
    int actionsDone = 0;
    int boxesAnswered = 0;
    int dialogsClosed = 0;
    int restarts = 0;
    int deepestBoxNesting = 0;
    bool timedOut = false;

private:
    void step();
    bool answerModal(bool force);
    void act();
    void checkVisibleWindowsAreLoaded();
    QString randomText();
    int scriptedAnswer(int style);
    int pick(int n);
    bool chance(double p);
    void note(const QString& kind, QWidget* target, const QString& detail = QString());

    bool actOnTray();

    Options m_options;
    FakeTray* m_tray = nullptr;
    std::mt19937_64 m_rng;
    std::function<void()> m_restart;
    QPointer<QWidget> m_modal;
    int m_modalSteps = 0;
    int m_realBoxesOpen = 0;
    bool m_finishing = false;
    class QEventLoop* m_loop = nullptr;
    qint64 m_deadline = 0;
};
