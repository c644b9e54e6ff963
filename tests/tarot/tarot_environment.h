#pragma once
// The test world of the tarot window tests: a TestEnvironment with an empty command line,
// the program's own title, and the start-up entry at hand.
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
};
