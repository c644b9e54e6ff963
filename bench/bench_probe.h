#pragma once

// Timing probe for scripts/benchmark; does nothing unless ORVANEL_BENCH is set.
// ORVANEL_BENCH=runes times opening the runes course and building test questions, and ends
// the program;
// ORVANEL_BENCH=tarot-db times the card database instead (bench_tarot_db.h), and
// ORVANEL_BENCH=tarot the tarot course (bench_tarot.h).
void InstallBenchProbe();
