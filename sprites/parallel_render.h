#pragma once

#include <functional>
#include <vector>

#include "character_output.h"
#include "export/file_error.h"

namespace kelvara::sprites {

// How many jobs to run when none are asked for: one per core.
int default_jobs();

// The number of threads run_parallel starts for count indices: jobs, but at least one and no more
// than there are indices. Size per-job scratch state with it.
int jobs_for(int count, int jobs);

// Runs work(index, job) for every index from 0 to count - 1 on `jobs` threads, job being the
// number (0 .. jobs - 1) of the thread that runs it, so that each job can keep its own scratch
// state. Indices are handed out in increasing order. After a failure (work returns an error) no
// further indices are started, and the error of the lowest failed index is returned. Exceptions
// from work are passed on to the caller once all threads have stopped. progress(done) is called on
// the calling thread every progress_interval_ms while the work goes on, and once at the end.
FileStatus run_parallel(int count, int jobs,
                        const std::function<FileStatus(int index, int job)>& work,
                        const std::function<void(int done)>& progress = {},
                        int progress_interval_ms = 200);

// The 63 x 63 pictures of the selections on the background, in their order, drawn by `jobs` copies
// of output (which share its sheets) at once.
std::vector<Surface> draw_pictures(const CharacterOutput& output,
                                   const std::vector<EditorState>& selections, Colour background,
                                   int jobs);

}  // namespace kelvara::sprites
