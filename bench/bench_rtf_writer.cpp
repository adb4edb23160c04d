// Benchmark of writing RTF. (To be written.)
