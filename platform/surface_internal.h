// The insides of a drawing surface and a drawing context, shared only by
// the platform's own sources (the display, the print job's page contexts).
#pragma once

#include <cairo.h>

#include <cstdint>

struct DrawSurface {
    cairo_surface_t* image; // RGB16_565 image owning the pixels
    std::uint16_t* pixels;  // first pixel of row 0
    int width;
    int height;
    int stride;             // pixels from one row to the next
    std::uint16_t key;      // pixel value that keyed copies skip
    bool hasKey;            // a colour key was set: nothing here is smoothed
    bool lost;              // no context can be acquired until restored
    bool shown;             // the front buffer: drawing on it shows at once
};

// Called after drawing on a shown surface so that the picture on screen
// follows at once (typed digits, messages); set by the display's window.
extern void (*presentShownSurface)();

struct DrawContext {
    DrawSurface* surface; // the surface drawn on; null for a printed page
    cairo_t* cr;          // Cairo context, made on first vector operation
    bool ownsCairo;       // cr was made here and is destroyed on release
    bool cairoDrew;       // Cairo drew since memory was last read or written
    bool pixelsWritten;   // memory was written since Cairo last drew
};

// A drawing context on a Cairo context that the caller owns (a printed
// page). Release it with releaseContext; cr stays the caller's.
DrawContext* wrapCairoContext(cairo_t* cr);
