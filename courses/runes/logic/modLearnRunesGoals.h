#pragma once
// The two goal files of the runes course, Goal1.txt and Goal2.txt in the program folder
// (goal = 1 or 2): plain text in the system encoding with CR LF line ends.
#include <QByteArray>
#include <QString>
#include <optional>

namespace modLearnRunes {

QString GoalFilePath(int goal);
QString DefaultGoalLine(int goal); // "This is Goal 1."
// Creates a missing goal file holding its default line.
void EnsureGoalFile(int goal);
// The goal's text as its box shows it: every line of the file followed by a line break.
// Empty when the file cannot be read.
QString ReadGoalText(int goal);
// What a save writes for the box text: the text without leading blanks and without trailing
// blanks and line breaks (blanks are character 32 only), its line breaks as CR LF, then CR LF.
QString GoalFileContent(const QString& boxText);

// One goal file as its box uses it. It remembers the text the box was loaded with and the
// file's bytes at that time, so that saving a text the user did not change writes those bytes
// again: bytes that are not text in the system encoding survive an unchanged save.
class GoalFile {
public:
    explicit GoalFile(int goal) : m_goal(goal) {}

    // Creates a missing file with its default line, then reads it; the text for the box.
    QString Load();
    // Saves the box's text; false when the file could not be written.
    bool Save(const QString& boxText);

private:
    int m_goal;
    QString m_loadedText;
    std::optional<QByteArray> m_loadedBytes; // none when the file could not be read
};

} // namespace modLearnRunes
