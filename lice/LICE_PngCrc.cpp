// libpng's own handling of a CRC that does not match: a critical chunk ends
// the load, an ancillary one is dropped. In a file of its own so that a fuzz
// target can link one that lets mutated data through to the decoder.

#include "LICE_PngCrc.h"

void lice::ChoosePngCrcAction(png_structp) {}
