#pragma once

// Resources of the lice test program (PngResources.rc), from files that the
// fixture writer makes at build time.
#define ZL_TEST_TALL_PNG 101       /* TallImage() */
#define ZL_TEST_SHORT_PNG 200      /* the first 7 bytes of the signature */
#define ZL_TEST_SIGNATURE_PNG 201  /* the signature alone */
#define ZL_TEST_TALL_RCDATA 300    /* TallImage(), but not of type "PNG" */
