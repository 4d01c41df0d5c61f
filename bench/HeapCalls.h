// Counts the heap allocations this executable's own code makes: its import of
// HeapAlloc is pointed at a counter. Allocations inside system DLLs (Wine's user32
// keeping a window's text, say) go through their own imports and are not counted.
#pragma once

namespace HeapCalls
{
// Installs the counter once; false when the import could not be found.
bool Install();
// Allocations made since Install.
long Count();
} // namespace HeapCalls
