// The three picture files and the palette they bring.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "video/surface.h"

constexpr int PictureCount = 3;
constexpr uint8_t TransparentIndex = 12;

extern Surface* pictureSurfaces[PictureCount];
extern platform::PaletteEntry paletteEntries[256];

int LoadPicture(const char* fileName, Surface** slot, platform::PaletteEntry* entries, uint8_t colourKey);
int ReloadPicture(const char* fileName, Surface* surface);
void RestorePicture(const char* fileName, Surface* surface);
