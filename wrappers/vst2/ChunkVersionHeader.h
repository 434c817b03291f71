#pragma once

#include "StateChunk.h"

// The 8 bytes in front of both VST2 chunks (program and bank): the magic
// 74 66 66 70, then the version 00 00 01 00, each a little-endian int32.
constexpr int kChunkMagic = 0x70666674;
constexpr int kChunkVersion = 0x00010000;
constexpr int kChunkVersionHeaderSize = 8;

// Empties the chunk and writes the header; false when memory could not be
// had.
bool PutChunkVersionHeader(StateChunk* chunk);

// At a chunk holding the magic at *position: the version, with *position
// moved behind the header, or 0 with *position -1 when the version word is
// missing. Without the magic there (or with fewer than 4 bytes, or a
// negative position): 0, and *position as it was.
int GetChunkVersionHeader(const StateChunk* chunk, int* position);
