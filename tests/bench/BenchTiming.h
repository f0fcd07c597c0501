// Timing for the benchmarks: wall-clock seconds of a piece of work, and of iconv converting
// the same bytes to UTF-16, the yardstick the text benchmarks compare with.
#pragma once

#include <iconv.h>

#include <chrono>
#include <cstddef>
#include <vector>

template <typename F>
double Seconds(F&& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double IconvSeconds(const void* data, size_t size, const char* from) {
    std::vector<char> out(size * 2 + 16);
    return Seconds([&] {
        iconv_t cd = iconv_open("UTF-16LE", from);
        char* in = static_cast<char*>(const_cast<void*>(data));
        size_t inLeft = size;
        char* o = out.data();
        size_t outLeft = out.size();
        iconv(cd, &in, &inLeft, &o, &outLeft);
        iconv_close(cd);
    });
}
