#pragma once

// Timing probe for scripts/benchmark; does nothing unless ORVANEL_BENCH is set.
// ORVANEL_BENCH=1 prints when the main window is first painted; ORVANEL_BENCH=runes then
// also times opening the runes course and building test questions, and ends the program;
// ORVANEL_BENCH=tarot-db times the card database instead (bench_tarot_db.h), and
// ORVANEL_BENCH=tarot the tarot course (bench_tarot.h).
void InstallBenchProbe();
