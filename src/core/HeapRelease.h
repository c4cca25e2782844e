#pragma once

#include <QByteArray>

// Keeps the process's heap from holding on to memory it no longer uses.
// Pictures, video frames and replies are large and short-lived: left to the
// allocator's own rules, they end up inside the heap, and what they leave
// behind when freed stays with the process for the rest of the run.
namespace HeapRelease {

// Blocks from 256 KiB up get their own mapping, which goes back to the
// system as soon as they are freed, and all threads share a few heaps
// instead of taking one each (up to eight per processor), so that what one
// thread frees is reused rather than kept aside in a heap of its own. The
// processes started from here on (the web engine's) get the same settings.
// Call once, at the start of main().
void keepHeapCompact();

// `tunables` (glibc's GLIBC_TUNABLES) with the same two settings; a setting
// already there is the user's and stands.
QByteArray tunablesKeepingHeapCompact(const QByteArray& tunables);

// Hands the heap's free pages back to the system a moment from now, once
// whatever was just torn down (a video pipeline, a road's pictures) is gone.
// Calls before then are served by that one release. GUI thread only.
void releaseFreedMemorySoon();

} // namespace HeapRelease
