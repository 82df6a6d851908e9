#pragma once

/// \file
/// The one process-wide setting the framework offers: keeping freed heap memory.

namespace tatami2d {

/// Keeps freed heap memory in the process for reuse instead of handing it back to the system
/// at each free. OpenGL on a software renderer frees and takes again large buffers every
/// frame, and memory handed back costs a page fault per page each time: on Mesa's llvmpipe a
/// frame of the conversion game takes about 1.5 times the CPU time without this. With the GNU
/// C library it raises the trim threshold to 64 MiB, well above what a frame frees (which
/// also fixes the threshold, so the library no longer adjusts it); elsewhere it does nothing,
/// as the Windows process heap keeps freed blocks committed on its own.
///
/// The setting belongs to the whole process, so the framework never makes it by itself: a
/// program that wants it calls this once, at start-up, before creating its Core.
void RetainFreedHeap();

} // namespace tatami2d
