#pragma once

#include <functional>

// The main of a benchmark program that opens real windows: starts the toolkit, registers the
// benchmarks, runs them and, after the finish step, ends the toolkit. Gives the exit code.
class WindowBench
{
public:
    static int Main(int argc, char** argv, const std::function<void()>& registerBenchmarks,
                    const std::function<void()>& finish = {});
};
