#pragma once

// The kinds of work that run off the GUI thread, each with threads of its own, so that one
// kind never waits behind another.
enum class WorkLane {
    // Decodes of the images on screen and the next ones: one thread per core.
    Interactive,
    // Reads nobody waits for (the check's probes, the album's decodes, the search's texts):
    // one thread per core, at a lower priority than the rest of the program.
    Background,
    // Long jobs that run one at a time per user's request (a delivery's read, a check, an
    // album): a thread each, so that a read stuck on a disc never holds up the next one.
    Single,
};
