#pragma once
// Makes the numerology course's window known to the main window by name.

// Registers the factory of "frmLearnNumerologyMain".
void RegisterNumerologyCourse();
