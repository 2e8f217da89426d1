// Wall-clock time of a piece of work, from the performance counter.
#pragma once

#include <windows.h>

template <typename Work>
double SecondsOf(Work work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}
