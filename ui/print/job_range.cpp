#include "ui/print/job_range.h"

#include <algorithm>
#include <cstdlib>

#include "ui/print/printed_pages.h"

JobRange ComputeJobRange(int from, int to, int minimum, int maximum) {
    JobRange range;
    range.start = std::clamp(from, minimum, maximum);
    range.end = std::clamp(to, minimum, maximum);
    range.step = range.end >= range.start ? 1 : -1;
    if (range.end != kUncountedMaximumPage)
        range.end += range.step;
    range.pages = std::abs(range.end - range.start);
    return range;
}
