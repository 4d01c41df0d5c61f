// Lets a test see whether one particular object has been deleted: this test program
// replaces the allocation operators with ones that note when the watched block goes.
#pragma once

// Starts watching p; forgets any earlier watch.
void WatchDelete(const void* p);
// Whether the watched block has been freed since WatchDelete.
bool WatchedDeleted();
