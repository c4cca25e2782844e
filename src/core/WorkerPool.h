#pragma once

class QThreadPool;

// The threads that the program's own slow work runs on (decoding a reply or
// a picture, compressing an upload, a delayed job). Qt's painting splits large
// blends and scaled pictures across the global pool and waits for them on the
// main thread, so a long job there would freeze the window: ours never run
// there. Drained as the application object goes, before its children (which
// the jobs hand their results to) are deleted.
QThreadPool* workerPool();
