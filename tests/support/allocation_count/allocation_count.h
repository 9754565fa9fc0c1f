// Counts the heap allocations (every operator new) made by the calling thread while counting
// is on. Linking this in replaces the global operator new and delete of the whole program.
#pragma once

// Starts counting from zero on this thread.
void startCountingAllocations();
// Stops counting; the allocations made since the start.
long stopCountingAllocations();
