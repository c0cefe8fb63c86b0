#pragma once
// SIGTERM (logout), SIGINT (Ctrl+C) and SIGHUP (the terminal closed) end a
// command the way it ends by itself: the handler only notes the signal, every
// wait of the commands looks at the note at least every kStopSliceMs, and the
// port is closed (its exclusive flag cleared) as the session goes. The exit
// status is then 128 + the signal, as shells expect.

// The longest a command waits without looking whether a signal came.
constexpr int kStopSliceMs = 100;

// Installs the handler for the three signals; once, where the program starts.
void CatchStopSignals();
// The signal that asked the command to stop, 0 while none came.
int StopSignal();
