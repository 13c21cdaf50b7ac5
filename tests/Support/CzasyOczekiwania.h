#pragma once

// How long the watcher tests wait for a change to be reported, and in silence for one that must not be:
// long enough for a change that would be reported to arrive at the short latency used in tests.
inline constexpr int czasNaZdarzenieMs = 5000;
inline constexpr int ciszaMs = 400;
