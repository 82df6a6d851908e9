#pragma once

#include <iostream>
#include <streambuf>

// The parser reports every refusal on std::cerr; at thousands of inputs a second that would
// drown libFuzzer's own output (which it writes through stdio, not std::cerr) and slow the run.
inline void SilenceErrorStream() {
    struct NullBuffer : std::streambuf {
        int overflow(int c) override { return traits_type::not_eof(c); }
    };
    static NullBuffer nullBuffer;
    std::cerr.rdbuf(&nullBuffer);
}
