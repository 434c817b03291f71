/* vst3host --screenshot: the start of the test speech through the module
 * with its editor open, one editor tick after each block, then the host's
 * window as the user would see it, written as a PNG image. */

#include <windows.h>

#include <png.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "vst3host.h"
#include "wav.h"

enum
{
  kWidth = 500,
  kHeight = 230,
  /* From the start into "sells", while the effect lowers the gain. */
  kMilliseconds = 2250
};

/* The window's client area as rows of blue, green, red and an unused byte. */
static int CaptureWindow(HWND window, unsigned char* pixels)
{
  BITMAPINFO info;
  void* bits = NULL;
  HDC windowDc = GetDC(window);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  HBITMAP bitmap;
  HGDIOBJ previous;
  int ok;
  memset(&info, 0, sizeof info);
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight; /* top row first */
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  bitmap = CreateDIBSection(memoryDc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
  previous = SelectObject(memoryDc, bitmap);
  ok = bitmap && BitBlt(memoryDc, 0, 0, kWidth, kHeight, windowDc, 0, 0, SRCCOPY);
  GdiFlush();
  if (ok)
    memcpy(pixels, bits, (size_t)kWidth * kHeight * 4);
  SelectObject(memoryDc, previous);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
  return ok;
}

/* A capture of one colour only means the editor drew nothing. */
static int ShowsSomething(const unsigned char* pixels)
{
  size_t i;
  for (i = 4; i < (size_t)kWidth * kHeight * 4; i += 4)
    if (memcmp(pixels + i, pixels, 3) != 0)
      return 1;
  return 0;
}

/* 8-bit RGB from the capture's rows (libpng drops the unused byte). */
static int WritePng(const char* path, unsigned char* pixels)
{
  png_bytep rows[kHeight];
  png_structp png;
  png_infop info = NULL;
  FILE* file = fopen(path, "wb");
  int y;
  if (!file)
    return 0;
  png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
  if (png)
    info = png_create_info_struct(png);
  if (!png || !info || setjmp(png_jmpbuf(png)))
  {
    png_destroy_write_struct(&png, &info);
    fclose(file);
    return 0;
  }
  for (y = 0; y < kHeight; ++y)
    rows[y] = pixels + (size_t)y * kWidth * 4;
  png_init_io(png, file);
  png_set_IHDR(png, info, kWidth, kHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_set_bgr(png);
  png_set_filler(png, 0, PNG_FILLER_AFTER);
  png_write_image(png, rows);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return fclose(file) == 0;
}

int Screenshot(const char* modulePath, const char* speechPath, const char* outPath)
{
  static float left[kEditorBlock], right[kEditorBlock];
  static unsigned char pixels[kWidth * kHeight * 4];
  WavAudio speech;
  EditorSession session;
  PluginFactory3Object* factory;
  char error[128];
  long start, frames;
  int ok, f;

  if (WavRead(speechPath, &speech, error))
  {
    fprintf(stderr, "vst3host: %s\n", error);
    return 1;
  }
  factory = LoadFactory(modulePath);
  if (!factory || !OpenEditorSession(&session, factory, NULL, speech.sampleRate))
  {
    fprintf(stderr, "vst3host: cannot open the editor of %s\n", modulePath);
    return 1;
  }
  frames = (long)speech.sampleRate * kMilliseconds / 1000;
  if (frames > speech.frames)
    frames = speech.frames;
  for (start = 0; start + kEditorBlock <= frames; start += kEditorBlock)
  {
    for (f = 0; f < kEditorBlock; ++f)
    {
      const float* frame = speech.samples + (start + f) * speech.channels;
      left[f] = frame[0];
      right[f] = frame[speech.channels > 1 ? 1 : 0];
    }
    ProcessAndTick(&session, left, right, kEditorBlock);
  }
  ok = CaptureWindow((HWND)session.parent, pixels);
  CloseEditorSession(&session);
  Release(factory);
  WavFree(&speech);
  if (!ok || !ShowsSomething(pixels))
  {
    fprintf(stderr, "vst3host: the editor's window shows nothing\n");
    return 1;
  }
  if (!WritePng(outPath, pixels))
  {
    fprintf(stderr, "vst3host: cannot write %s\n", outPath);
    return 1;
  }
  fprintf(stderr, "vst3host: %s shows the editor after %ld frames of %s\n", outPath, start, speechPath);
  return 0;
}
