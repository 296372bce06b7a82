// The print service: one document of one page at a time, drawn with the
// ordinary drawing operations in printer pixels and handed to the default
// printer of the system's print service (CUPS) as a PDF, or written as a
// PDF file into a folder, or kept as pixels for the tests.
//
// No print service type leaves the platform: a page is an opaque record
// and drawing goes through the DrawContext of platform/surface.h.
#pragma once

#include "platform/surface.h"

enum class PaperSize { letter, a4 };

// The resolution pages are composed at for a printer.
inline constexpr int kPrinterDpi = 600;

// What a printer reports of a page, in printer pixels.
struct PrinterCaps {
    int dpi;                // pixels per inch across
    int physicalWidth;      // the whole sheet
    int physicalHeight;
    int offsetX;            // unprintable margin at the left and top
    int offsetY;
    int verticalResolution; // printable height
};

// The page of paper at dpi: Letter 8.5 x 11 inches or A4 210 x 297 mm, with
// no unprintable margins.
PrinterCaps printerCaps(PaperSize paper, int dpi);

// Where pages go. folder null or empty: the default printer. Otherwise each
// page is written as folder/page-NN.pdf, numbered from 01 on every call.
void setPrintFolder(const char* folder);

// Test pages: when dpi is above 0 pages are drawn on an image of that
// resolution instead, kept until the next page begins; 0 ends this.
void setPrintToImage(int dpi);

struct PrintPage;

// Fetches the default printer and starts a document named title with one
// page of paper. Returns null when no printer can be had (no default
// destination, no print service); a folder or an image is always there.
PrintPage* beginPrintPage(const char* title, PaperSize paper);

// The page's caps and its drawing context (printer pixels, y down).
PrinterCaps pageCaps(const PrintPage* page);
DrawContext* pageContext(PrintPage* page);

// Ends the page and the document and hands it on; frees the page. Returns
// true when the printer (or the folder) took the document whole.
bool endPrintPage(PrintPage* page);

// Pages written into the print folder since setPrintFolder.
int printedPageCount();

// The colour at (x, y) of the last image page, or -1 outside it or without
// one (tests).
long printedPixel(int x, int y);
int printedWidth();
int printedHeight();
