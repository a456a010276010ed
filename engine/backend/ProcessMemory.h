#pragma once

// How the process takes memory from the system.

namespace backend {

// Every block from 256 KiB up (decoded pictures, the GL driver's texture
// storage) is mapped on its own and goes back to the system when freed.
// The C library otherwise raises that threshold after the first such block
// is freed, and pictures loaded and released screen after screen then
// fragment the heap: the process grows by megabytes at each change of
// screen although nothing stays allocated. Call once, before anything
// large is allocated.
void ReturnLargeBlocksToTheSystem();

// Gives the pages of freed heap memory back to the system, holes between
// blocks still in use included. For the moments a screen's pictures have
// just been released; it walks the whole heap, so not once a frame.
void ReturnFreeMemoryToTheSystem();

} // namespace backend
