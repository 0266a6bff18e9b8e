// The 640 x 480 indexed display: a front picture, one back buffer and a palette.
#pragma once

#include "platform/platform.h"
#include "video/surface.h"

// Null until InitDisplay has made them; ReleaseDisplay sets them back to null.
extern bool displayOpen;
extern Surface* primarySurface;
extern Surface* backBuffer;
extern platform::PaletteEntry* palette;  // 256 entries

int InitDisplay(int width, int height, int bitsPerPixel);
// Exchanges front and back and shows the new front, waiting for vsync.
int FlipScreen();
// Brings the front and back buffers back after a loss; their contents are undefined.
void RestorePrimary();
void ReleaseDisplay(int pictureCount);

// Reading and writing all 256 palette entries; a write shows at once.
void GetPaletteEntries(platform::PaletteEntry* entries);
void SetPaletteEntries(const platform::PaletteEntry* entries);

// Releases the display and puts every video variable (pictures, palettes,
// fades) back to its program-start value.
void ResetVideoState();
