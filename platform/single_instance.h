#pragma once
// Refuses a second running copy of the program for the same user.
#include <QString>

namespace platform {

// True when another copy already holds the per-user lock; otherwise takes the lock
// and keeps it for the life of the process.
bool PrevInstance();
// Where the lock lives (tests); empty restores the default in the temporary folder.
void setInstanceLockPath(const QString& path);
// Releases a lock taken by PrevInstance (tests).
void releaseInstanceLock();

} // namespace platform
