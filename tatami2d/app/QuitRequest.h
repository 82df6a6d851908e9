#pragma once

/// \file
/// The game's own way out of the main loop.

namespace tatami2d {

/// Asks Core's running loop to end as closing the window would: once the pass under way has
/// delivered its queued events, no more Update or Draw, and Run deletes the game and returns.
/// Asked from a handler, the rest of the queue is still delivered and nothing more is drawn;
/// asked from Update or Draw, that frame is still drawn and shown; asked from the game's
/// constructor, the game never gets an Update. Asking again changes nothing; a request made
/// while no loop runs is forgotten when the next Run starts.
void RequestQuit();

} // namespace tatami2d
