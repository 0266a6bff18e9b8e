// The painters of every sprite, each into the picture that holds it.
#pragma once

#include "tools/datagen/canvas.h"

// Picture 1 unless said otherwise.
void PaintOrdinaryBlocks(Canvas& picture1);
void PaintSpecialBlocks(Canvas& picture1);
void PaintFlashPictures(Canvas& picture1);
void PaintFrameTiles(Canvas& picture1);
void PaintDigits(Canvas& picture1);
void PaintCaptions(Canvas& picture1);
void PaintSoloPanel(Canvas& picture1);
void PaintVersusPanel(Canvas& picture2);
void PaintBackdropTiles(Canvas& picture1, Canvas& picture2);
void PaintTitle(Canvas& picture0, Canvas& picture1);  // logos and menu items
void PaintSpeedScreen(Canvas& picture0);              // the screen picture and its cursor
// Painted once the shared palette is made: its colours are taken from that
// palette, so the other sprites keep theirs.
void PaintPauseCaption(Canvas& picture2);
// The captions while a network game is set up, and the notices when one ends.
void PaintNetworkCaptions(Canvas& picture2);
