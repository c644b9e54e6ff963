#pragma once
// Makes the tarot course window known to the main window by name.

// Registers the factory of "frmLearnTarotMain".
void RegisterTarotCourse();
