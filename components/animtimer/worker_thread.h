#pragma once
// Starting the timer's pacing thread: it needs next to no stack and should yield to
// the thread that drives the user interface.

namespace Animtimer {

// Starts a detached thread that runs routine(argument), with the smallest stack the
// platform accepts and one priority step below the calling thread. Returns false if
// no thread could be started (then routine never runs).
bool StartWorkerThread(void (*routine)(void*), void* argument);

}  // namespace Animtimer
