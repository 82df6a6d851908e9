#pragma once

#include <functional>
#include <string_view>

/// \file
/// Where the framework's messages go.

namespace tatami2d {

/// Receives one message of the framework, whole: the text exactly as the default writes it,
/// ending in a line end where the message has one (a few have none, and the next message
/// continues their line).
using LogSink = std::function<void(std::string_view message)>;

/// Hands every later message of the framework (a failed start-up, texture, sound or SVG load)
/// to sink instead of the default, which writes it to std::cerr and flushes. An empty sink
/// brings the default back. Messages come from the thread that runs the failing call (the
/// SVG loader may run on any thread), so the sink is called from there; it may be replaced
/// at any time, and a message already on its way still reaches the sink it started with.
/// Nothing a sink throws leaves the framework: the exception is dropped.
void SetLogSink(LogSink sink);

} // namespace tatami2d
