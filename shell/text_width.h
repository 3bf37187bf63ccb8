// How wide a text is drawn, estimated from its characters: a Chinese
// character or full-width sign takes the font's height, any other character
// six tenths of it. A little wider than the suite's fonts draw, so a text the
// estimate lets through fits; the Wine driver measures the real fonts.
#pragma once

int EstimatedTextWidth(const wchar_t* text, int fontPixels);
