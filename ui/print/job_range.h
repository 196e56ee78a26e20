#pragma once
// Which pages a job prints, from the print dialog's range and the known page count.

struct JobRange {
    int start = 1;
    int end = 1;  // one step past the last page, or the uncounted maximum itself
    int step = 1; // +1, or -1 for a range given backwards
    int pages = 0;
};

// from and to are clamped to [minimum, maximum]; an end at the uncounted maximum stays,
// so the job runs until the text ends.
JobRange ComputeJobRange(int from, int to, int minimum, int maximum);
