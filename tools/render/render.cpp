// Renders a WAV file through the de-esser, offline, at the file's sample
// rate: render [--block N] [--set PARAM=VALUE]... [--gain] IN.wav OUT.wav
// PARAM is a parameter index or name, VALUE in real units. The output is a
// 32-bit float WAV; --gain prints the smallest gain of every block to
// standard error.

#include "OfflineEffect.h"
#include "TestEnd.h"

#include <sndfile.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct Options
{
  int blockSize = 512;
  std::vector<std::pair<std::string, double>> settings;
  bool printGain = false;
  const char* inPath = nullptr;
  const char* outPath = nullptr;
};

int Usage(const char* error)
{
  std::fprintf(stderr, "render: %s\nusage: render [--block N] [--set PARAM=VALUE]... [--gain] IN.wav OUT.wav\n",
               error);
  return 2;
}

bool ParseNumber(const char* text, double* value)
{
  char* end = nullptr;
  errno = 0;
  *value = std::strtod(text, &end);
  return *text && end && *end == 0 && errno == 0;
}

bool ParseOptions(int argc, char** argv, Options* options, std::string* error)
{
  std::vector<const char*> paths;
  for (int i = 1; i < argc; ++i)
  {
    const std::string arg = argv[i];
    if (arg == "--block" || arg == "--set")
    {
      if (i + 1 >= argc)
        return *error = arg + " needs a value", false;
      const char* value = argv[++i];
      if (arg == "--block")
      {
        double n;
        if (!ParseNumber(value, &n) || n < 1 || n > 1 << 20 || n != static_cast<int>(n))
          return *error = std::string("bad block size: ") + value, false;
        options->blockSize = static_cast<int>(n);
      }
      else
      {
        const char* equals = std::strchr(value, '=');
        double v;
        if (!equals || equals == value || !ParseNumber(equals + 1, &v))
          return *error = std::string("bad setting (want PARAM=VALUE): ") + value, false;
        options->settings.emplace_back(std::string(value, equals), v);
      }
    }
    else if (arg == "--gain")
    {
      options->printGain = true;
    }
    else if (arg.size() > 1 && arg[0] == '-')
    {
      return *error = "unknown option " + arg, false;
    }
    else
    {
      paths.push_back(argv[i]);
    }
  }
  if (paths.size() != 2)
    return *error = "want one input and one output file", false;
  options->inPath = paths[0];
  options->outPath = paths[1];
  return true;
}

int FindParam(const OfflineEffect& plug, const std::string& key)
{
  double index;
  if (ParseNumber(key.c_str(), &index))
    return index >= 0 && index < plug.NParams() && index == static_cast<int>(index) ? static_cast<int>(index) : -1;
  for (int i = 0; i < plug.NParams(); ++i)
    if (key == plug.GetParam(i)->Name())
      return i;
  return -1;
}
}

static int Run(int argc, char** argv)
{
  Options options;
  std::string error;
  if (!ParseOptions(argc, argv, &options, &error))
    return Usage(error.c_str());

  SF_INFO inInfo = {};
  SNDFILE* in = sf_open(options.inPath, SFM_READ, &inInfo);
  if (!in)
  {
    std::fprintf(stderr, "render: cannot read %s: %s\n", options.inPath, sf_strerror(nullptr));
    return 1;
  }
  const int channels = inInfo.channels;
  if (channels < 1 || channels > 2)
  {
    std::fprintf(stderr, "render: %s has %d channels; mono or stereo only\n", options.inPath, channels);
    sf_close(in);
    return 1;
  }

  OfflineEffect plug{IPlugOffline::InstanceInfo{kApiVst3, false}};
  for (const auto& setting : options.settings)
  {
    const int index = FindParam(plug, setting.first);
    if (index < 0)
    {
      std::fprintf(stderr, "render: no parameter %s\n", setting.first.c_str());
      sf_close(in);
      return 2;
    }
    IPlugParameter* param = plug.GetParam(index);
    double value = setting.second;
    value = value < param->Min() ? param->Min() : value > param->Max() ? param->Max() : value;
    param->Set(value);
    plug.ParamChanged(index, false);
  }
  plug.SetUpProcessing(inInfo.samplerate, options.blockSize);

  SF_INFO outInfo = {};
  outInfo.samplerate = inInfo.samplerate;
  outInfo.channels = channels;
  outInfo.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
  SNDFILE* out = sf_open(options.outPath, SFM_WRITE, &outInfo);
  if (!out)
  {
    std::fprintf(stderr, "render: cannot write %s: %s\n", options.outPath, sf_strerror(nullptr));
    sf_close(in);
    return 1;
  }

  // The processing glue reports every channel it binds on standard output;
  // this tool's own messages go to standard error.
  if (!std::freopen("/dev/null", "w", stdout))
    std::fprintf(stderr, "render: standard output stays open\n");

  const int block = options.blockSize;
  std::vector<float> interleaved(static_cast<size_t>(block) * channels);
  long long blockIndex = 0;
  int status = 0;
  for (;;)
  {
    const sf_count_t frames = sf_readf_float(in, interleaved.data(), block);
    if (frames <= 0)
      break;
    plug.ProcessInterleaved(interleaved.data(), interleaved.data(), static_cast<int>(frames), channels);
    if (sf_writef_float(out, interleaved.data(), frames) != frames)
    {
      std::fprintf(stderr, "render: cannot write %s\n", options.outPath);
      status = 1;
      break;
    }
    if (options.printGain)
      std::fprintf(stderr, "block %lld gain %.6f\n", blockIndex, plug.Processing().LastBlockMinimumGain());
    ++blockIndex;
  }
  sf_close(in);
  if (sf_close(out) != 0)
    status = 1;
  return status;
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
