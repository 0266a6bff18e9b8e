// Placeholders until the display, pictures and fades are written.
#include "video/display.h"
#include "video/fade.h"
#include "video/picture.h"

bool displayOpen;
Surface* primarySurface;
Surface* backBuffer;
platform::PaletteEntry* palette;
Surface* pictureSurfaces[PictureCount];
platform::PaletteEntry paletteEntries[256];
platform::PaletteEntry fadeEntries[256];
int16_t fadeHold[256][3];

int InitDisplay(int, int, int) { return 0; }
int FlipScreen() { return 0; }
void RestorePrimary() {}
void ReleaseDisplay(int) {}
void GetPaletteEntries(platform::PaletteEntry*) {}
void SetPaletteEntries(const platform::PaletteEntry*) {}
int LoadPicture(const char*, Surface**, platform::PaletteEntry*, uint8_t) { return 0; }
int ReloadPicture(const char*, Surface*) { return 0; }
void RestorePicture(const char*, Surface*) {}
void FadeToBlack() {}
void FadeFromBlack() {}
