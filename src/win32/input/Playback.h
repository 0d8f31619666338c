// The playback of recorded input, one at a time per program.
//
// The events are sent with SendInput at their due times (core/playback/PlaybackSchedule.h)
// from a thread of the playback's own, timed with the performance counter: a journal
// playback hook is never called on current systems nor under Wine. While a playback runs
// it owns the desktop's input: the user's own keys and mouse are held back by low-level
// hooks, and Ctrl+Esc cancels it.
#pragma once

#include <cstdint>
#include <string>

namespace vx::win32 {

// Starts playing recording at the pace of speed (a speed index) and returns at once.
// An empty recording, one without a whole event, or one whose thread cannot start, is
// finished at once. A playback still running is cancelled first.
void StartPlayback(const std::string& recording, std::uint32_t speed);

// False while a playback runs (and before the first one); true once it has ended.
bool PlaybackFinished();

// The performance counter when the last playback's clock started (its start tick), for
// measuring how closely events keep to their due times; 0 before the first playback.
std::int64_t PlaybackStartCounter();

// Ends a running playback as Ctrl+Esc does and waits for its thread; PlaybackFinished is
// then true.
void StopPlayback();

// For the callers' wait loops: returns when a message arrives for this thread, the
// playback finishes, or timeoutMs has passed. Never dispatches anything itself.
void WaitForPlaybackOrMessage(std::uint32_t timeoutMs);

}  // namespace vx::win32
