/* Minimal WAV files for the Windows test tools: reads 16-bit and 24-bit PCM
 * and 32-bit float, mono or stereo; writes 32-bit float. */
#ifndef ZL_WAV_H
#define ZL_WAV_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct
{
  int channels;
  int sampleRate;
  long frames;
  float* samples; /* interleaved, frames x channels */
} WavAudio;

/* 0 on success; otherwise an error text is written to error (128 bytes). */
int WavRead(const char* path, WavAudio* audio, char* error);
int WavWrite(const char* path, const WavAudio* audio);
void WavFree(WavAudio* audio);

#ifdef __cplusplus
}
#endif

#endif
