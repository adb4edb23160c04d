// Benchmark of reading RTF. (To be written.)
