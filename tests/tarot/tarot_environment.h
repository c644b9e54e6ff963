#pragma once
// The test world of the tarot window tests: a TestEnvironment whose start-up entries
// (XDG_CONFIG_HOME) live in the test's own folder, and an empty command line.
#include <QByteArray>
#include <QString>

#include "fixtures.h"

class TarotEnvironment : public TestEnvironment {
public:
    TarotEnvironment();
    ~TarotEnvironment();

    // The start-up entry of this program, where the window writes it.
    QString startupEntry() const;
    // Puts a start-up entry in place, with the given contents.
    bool writeStartupEntry(const QByteArray& contents) const;

private:
    QByteArray m_oldConfigHome;
    bool m_hadConfigHome;
};
