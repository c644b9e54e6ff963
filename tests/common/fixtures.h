#pragma once
// A fresh world for each test: a temporary folder holding the program folder (bin/), the
// settings file, the user's config folder (XDG_CONFIG_HOME, where start-up entries go) and data
// folder (XDG_DATA_HOME, where an installed run keeps goals), fixed seed and clock,
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

#include "scoped_variable.h"

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

    QString programFolder() const;
    QString settingsFile() const;
    // The temporary folder's own files: an install prefix around the program folder.
    QString prefixFile(const QString& name) const;
    // The folder the program keeps the user's files in, as the program finds it.
    QString userFolder() const;
    // While blocked, the user's folder cannot be made or written: a plain file stands in its way.
    void blockUserFolder(bool blocked);

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
    // The user's folders of this test: XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_DATA_DIRS.
    std::deque<ScopedVariable> m_folders;
};
