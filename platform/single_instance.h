#pragma once
// Refuses a second running copy of the program for the same user.
#include <QString>

namespace platform {

// True when another copy already runs for this user; otherwise takes the per-user lock and
// keeps it for the life of the process. The lock is keyed on the user id. A lock file that is
// not this user's running copy (left by another user id, or stale and not removable) never
// refuses a start: the lock is then taken in a folder the user owns instead.
bool PrevInstance();
// The lock file held by this process; empty when none is held.
QString HeldInstanceLock();
// The shared lock file (in the temporary folder) and the one in the user's own folder.
QString InstanceLockPath();
QString OwnInstanceLockPath();
// Points the locks elsewhere (tests): the shared one at path, the user's own one beside it;
// an empty path restores the defaults.
void setInstanceLockPath(const QString& path);
// Releases a lock taken by PrevInstance (tests).
void releaseInstanceLock();

} // namespace platform
