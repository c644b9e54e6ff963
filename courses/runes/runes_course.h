#pragma once
// Makes the runes course's windows known to the main window by name.

// Registers the factories of "frmLearnRunesMain" and "frmLearnRunesMeaningTest".
void RegisterRunesCourse();
