#include "wav.h"

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }
static uint16_t Le16(const unsigned char* p) { return (uint16_t)(p[0] | p[1] << 8); }

int WavRead(const char* path, WavAudio* audio, char* error)
{
  FILE* file = fopen(path, "rb");
  unsigned char header[12], chunk[8], format[40];
  int formatTag = 0, bits = 0, haveFormat = 0;
  memset(audio, 0, sizeof *audio);
  if (!file)
  {
    snprintf(error, 128, "cannot open %s", path);
    return 1;
  }
  if (fread(header, 1, 12, file) != 12 || memcmp(header, "RIFF", 4) || memcmp(header + 8, "WAVE", 4))
  {
    snprintf(error, 128, "%s is not a WAV file", path);
    fclose(file);
    return 1;
  }
  while (fread(chunk, 1, 8, file) == 8)
  {
    uint32_t size = Le32(chunk + 4);
    if (!memcmp(chunk, "fmt ", 4))
    {
      if (size < 16 || size > sizeof format || fread(format, 1, size, file) != size)
        break;
      formatTag = Le16(format);
      audio->channels = Le16(format + 2);
      audio->sampleRate = (int)Le32(format + 4);
      bits = Le16(format + 14);
      if (formatTag == 0xFFFE && size >= 26)
        formatTag = Le16(format + 24); /* the sub-format of an extensible header */
      haveFormat = 1;
      if (size & 1)
        fseek(file, 1, SEEK_CUR);
    }
    else if (!memcmp(chunk, "data", 4) && haveFormat)
    {
      int bytesPerSample = bits / 8;
      long count, i;
      unsigned char* raw;
      if (audio->channels < 1 || audio->channels > 2 || audio->sampleRate <= 0 ||
          !((formatTag == 1 && (bits == 16 || bits == 24)) || (formatTag == 3 && bits == 32)))
      {
        snprintf(error, 128, "%s: unsupported format (tag %d, %d bits, %d channels)", path, formatTag, bits,
                 audio->channels);
        fclose(file);
        return 1;
      }
      count = (long)(size / (uint32_t)bytesPerSample);
      raw = (unsigned char*)malloc(size ? size : 1);
      audio->samples = (float*)malloc((size_t)(count ? count : 1) * sizeof(float));
      if (!raw || !audio->samples)
      {
        free(raw);
        WavFree(audio);
        snprintf(error, 128, "%s: out of memory", path);
        fclose(file);
        return 1;
      }
      count = (long)(fread(raw, 1, size, file) / (size_t)bytesPerSample);
      for (i = 0; i < count; ++i)
      {
        const unsigned char* p = raw + i * bytesPerSample;
        if (formatTag == 3)
        {
          uint32_t bitsValue = Le32(p);
          memcpy(&audio->samples[i], &bitsValue, 4);
        }
        else if (bits == 16)
          audio->samples[i] = (float)((int16_t)Le16(p) / 32768.0);
        else
          audio->samples[i] = (float)((int32_t)((uint32_t)p[0] << 8 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 24) /
                                      2147483648.0);
      }
      free(raw);
      audio->frames = count / audio->channels;
      fclose(file);
      return 0;
    }
    else if (fseek(file, (long)(size + (size & 1)), SEEK_CUR) != 0)
      break;
  }
  snprintf(error, 128, "%s: no audio data", path);
  fclose(file);
  return 1;
}

static void Put32(unsigned char* p, uint32_t v)
{
  p[0] = (unsigned char)v;
  p[1] = (unsigned char)(v >> 8);
  p[2] = (unsigned char)(v >> 16);
  p[3] = (unsigned char)(v >> 24);
}

int WavWrite(const char* path, const WavAudio* audio)
{
  FILE* file = fopen(path, "wb");
  unsigned char header[44];
  uint32_t dataBytes = (uint32_t)(audio->frames * audio->channels * 4);
  long i;
  if (!file)
    return 1;
  memcpy(header, "RIFF", 4);
  Put32(header + 4, 36 + dataBytes);
  memcpy(header + 8, "WAVEfmt ", 8);
  Put32(header + 16, 16);
  header[20] = 3; /* IEEE float */
  header[21] = 0;
  header[22] = (unsigned char)audio->channels;
  header[23] = 0;
  Put32(header + 24, (uint32_t)audio->sampleRate);
  Put32(header + 28, (uint32_t)(audio->sampleRate * audio->channels * 4));
  header[32] = (unsigned char)(audio->channels * 4);
  header[33] = 0;
  header[34] = 32;
  header[35] = 0;
  memcpy(header + 36, "data", 4);
  Put32(header + 40, dataBytes);
  fwrite(header, 1, 44, file);
  for (i = 0; i < audio->frames * audio->channels; ++i)
  {
    unsigned char bytes[4];
    uint32_t v;
    memcpy(&v, &audio->samples[i], 4);
    Put32(bytes, v);
    fwrite(bytes, 1, 4, file);
  }
  return fclose(file) != 0;
}

void WavFree(WavAudio* audio)
{
  free(audio->samples);
  audio->samples = NULL;
}
