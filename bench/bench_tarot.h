#pragma once
class QObject;

// ORVANEL_BENCH=tarot: once the main window is painted, opens the tarot course 21 times from
// the launcher (until its window is painted), then times in the open window a study run over
// all 78 cards, "Next >>" through the set, one question of each kind at Advanced, a
// description question shown by "Next Question", and the report of a 78-question run;
// prints the figures and ends the program. Returns the event filter to install.
QObject* MakeTarotBench();
