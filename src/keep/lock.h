// One game per player folder: a copy of the game that keeps the player's game holds a
// lock on quorvane.lock in its working folder for as long as it runs. The lock is the
// operating system's own (flock), so it goes with the process however that ends: a kill
// or a power cut leaves no stale lock behind, only the empty file.
#pragma once

constexpr const char *LOCK_FILE = "quorvane.lock";

// Takes the working folder's lock, or finds it already held by this run. False only
// when another running copy of the game holds it. A folder where no lock can be made (a
// read-only folder, a file system without locks) counts as free: nothing can be kept
// there anyway, or nothing else can lock it.
bool LockPlayerFolder();
