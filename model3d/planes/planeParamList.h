// The entries of a plane's "PARAM" list, read without creating anything, and its renewal.
#pragma once

#include <cstdint>

class metaTreeC;

// The index-th entry of the plane's "PARAM", or null.
const metaTreeC* planeParamEntry(const metaTreeC* plane, int index);
// The number of entries of the plane's "PARAM" (0 without one).
int planeParamCount(const metaTreeC* plane);
// The plane's "PARAM" (created when missing) without its entries; null without a plane.
metaTreeC* emptiedPlaneParams(metaTreeC* plane);
