#pragma once
// A fresh world for each test: temporary program folder and settings file, the user's config
// folder (XDG_CONFIG_HOME, where start-up entries go) inside it, fixed seed and clock,
// scripted message boxes that record every prompt, recorded web pages, and a recorded
// process end instead of a real one.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <utility>
#include <vector>

struct ShownMessage {
    QString prompt;
    int style;
};

class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString programFolder() const { return m_dir.path(); }
    QString settingsFile() const;

    // Answers for the next message boxes, in order; when none is queued a box answers
    // Yes to a Yes/No question and OK otherwise.
    void queueAnswer(int answer) { m_answers.push_back(answer); }

    std::vector<ShownMessage> messages;
    QStringList openedPages;
    int processEnds = 0;

    QStringList prompts() const;
    QString lastPrompt() const { return messages.empty() ? QString() : messages.back().prompt; }

    // Unloads every loaded window and flushes deferred deletes.
    static void unloadAllWindows();

private:
    QTemporaryDir m_dir;
    std::deque<int> m_answers;
    QByteArray m_oldConfigHome;
    bool m_hadConfigHome;
};
