#include "tatami2d/app/Log.h"

#include "tatami2d/app/LogOutput.h"

#include <iostream>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

namespace tatami2d {

namespace {

std::mutex sinkMutex;
// Null while the default is in force. Shared, so that a message already on its way keeps the
// sink it took alive while another thread replaces it.
std::shared_ptr<const LogSink> programSink;

void CallSink(const LogSink& sink, std::string_view message) noexcept {
    try {
        sink(message);
    } catch (...) {
        // A failure is reported and carried on from; the report itself must not throw.
    }
}

} // namespace

void SetLogSink(LogSink sink) {
    std::shared_ptr<const LogSink> replacement;
    if (sink) {
        replacement = std::make_shared<const LogSink>(std::move(sink));
    }
    {
        const std::lock_guard<std::mutex> lock{sinkMutex};
        programSink.swap(replacement);
    }
    // The old sink is released here, outside the lock, in case its owner logs from its end.
}

void WriteLog(std::initializer_list<std::string_view> pieces) noexcept {
    std::shared_ptr<const LogSink> sink;
    {
        const std::lock_guard<std::mutex> lock{sinkMutex};
        sink = programSink;
    }
    if (!sink) {
        for (const std::string_view piece : pieces) {
            std::cerr << piece;
        }
        std::cerr.flush();
        return;
    }
    std::string message;
    bool joined = true;
    try {
        size_t size = 0;
        for (const std::string_view piece : pieces) {
            size += piece.size();
        }
        message.reserve(size);
        for (const std::string_view piece : pieces) {
            message.append(piece);
        }
    } catch (...) { // only allocation can fail here
        joined = false;
    }
    if (!joined) {
        // No room to join the pieces: the sink gets them one by one rather than nothing.
        for (const std::string_view piece : pieces) {
            CallSink(*sink, piece);
        }
        return;
    }
    CallSink(*sink, message);
}

} // namespace tatami2d
