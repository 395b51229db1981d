#pragma once

// For a loop the compiler vectorises, or one of wide stores: built once for plain x86-64 and once for AVX2,
// the one the processor runs picked when the program loads. AVX2 alone brings no fused multiply-add, so
// doubles round exactly as in the plain build and both give the same pixels.
#if defined(__x86_64__) && defined(__GNUC__)
#define MOXEL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define MOXEL_VECTOR_CLONES
#endif
