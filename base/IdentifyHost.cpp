#include "IdentifyHost.h"

#include <cstring>

namespace
{
struct HostFragment
{
  const char* fragment;
  HostApplication host;
};

// Order matters: "Nuendo Live" is Nuendo, not Live.
constexpr HostFragment kHostFragments[] = {
    {"cubase", kHostCubase},
    {"reaper", kHostReaper},
    {"nuendo", kHostNuendo},
    {"cakewalk", kHostSonar},
    {"samplitude", kHostSamplitude},
    {"fruity", kHostFL},
    {"live", kHostAbletonLive},
    {"melodyne", kHostMelodyne},
    {"vstmanlib", kHostVSTScanner},
    {"aulab", kHostAULab},
    {"garageband", kHostGarageBand},
    {"forte", kHostForte},
    {"chainer", kHostChainer},
    {"audition", kHostAudition},
    {"orion", kHostOrion},
    {"sawstudio", kHostSAWStudio},
    {"logic", kHostLogic},
    {"digital", kHostDigitalPerformer},
    {"audiomulch", kHostAudioMulch},
    {"presonus", kHostStudioOne},
    {"vst3plugintesthost", kHostVST3TestHost},
    {"protools", kHostProTools},
    {"ardour", kHostArdour},
    {"standalone", kHostStandalone},
};

char LowerCase(unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }
}

HostApplication IdentifyHost(const char* productName)
{
  // Names longer than the buffer are cut to its 255 characters.
  char name[256];
  int length = 0;
  if (productName)
    for (; length < 255 && productName[length]; ++length)
      name[length] = LowerCase(static_cast<unsigned char>(productName[length]));
  name[length] = 0;

  for (const HostFragment& row : kHostFragments)
    if (std::strstr(name, row.fragment))
      return row.host;
  return kHostUnknown;
}
