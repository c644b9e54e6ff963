#pragma once
// Makes the astrology course's window known to the main window by name.

// Registers the factory of "frmLearnAstrologyMain".
void RegisterAstrologyCourse();
