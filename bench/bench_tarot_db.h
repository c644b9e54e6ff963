#pragma once

// ORVANEL_BENCH=tarot-db: times opening learn.dll in the program folder, reading the card set
// of all 78 cards and showing one card picture, prints the figures and ends the program.
void MeasureCardDatabase();
