// Clocks, medians, resident memory, and figures passed from a measuring process to the report.
#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include <QProcessEnvironment>
#include <QStringList>

namespace bench {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);

// CPU time of every thread of this process so far: the decoding ahead counts as much as the tick.
double processCpuMilliseconds();

struct Spread {
    double median = 0;
    double p95 = 0;  // nearest rank
};

Spread spreadOf(std::vector<double> samples);

// A field of /proc/self/status (VmRSS, VmHWM) in megabytes.
double statusMegabytes(const char* field);

using Figures = std::map<std::string, double>;

// Written by a measuring process, one "name value" line each.
void printFigure(const std::string& name, double value);

// Runs this program again with the arguments and reads the figures it emits; empty if it failed.
Figures runMeasurement(const QStringList& arguments, const QProcessEnvironment& environment);

}  // namespace bench
