#pragma once

// How large all text is drawn, one scale for every text and its layout: at 1 each text has its
// own pixel sizes and places, at 2 every glyph, position, slant and step is twice as large, all
// drawn from the same font texture.

// Written only by scaleTextForMonitor (text/text_overlay.h): at start-up, before any text is
// drawn, and whenever the window moves onto a monitor of another height.
extern float textScale;

// The desktop's own scale where it says one: GDK_SCALE (gdkScale; null when unset), else the
// Xft.dpi resource over 96 (from resources, the X resource string; null when there is none),
// rounded to the nearest half. Otherwise the monitor's, the one the window is on: its height
// over 1080, rounded down. At least 1 and at most 8 either way; a value that is no positive
// decimal (base/number_text.h) counts as unset.
float chooseTextScale(const char* gdkScale, const char* resources, int monitorHeight);

// n pixels at the given scale, to the nearest whole pixel.
short scaledPixels(double n, float scale);
