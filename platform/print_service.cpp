// Pages as Cairo PDF streams, handed to CUPS as one job of one document.
#include "platform/print_service.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <cups/cups.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/bounded_text.h"
#include "platform/surface_internal.h"

struct PrintPage {
    PrinterCaps caps;
    cairo_surface_t* target;           // PDF or image surface
    cairo_t* cr;
    DrawContext* context;
    std::vector<unsigned char> pdf;    // the PDF written so far
    char title[64];
    bool image;
};

namespace {

std::string printFolder;
int printedPages = 0;
int imageDpi = 0;
cairo_surface_t* lastImage = nullptr;

cairo_status_t collect(void* closure, const unsigned char* data, unsigned int length)
{
    auto* bytes = static_cast<std::vector<unsigned char>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

double inchesAcross(PaperSize paper) { return paper == PaperSize::a4 ? 210 / 25.4 : 8.5; }
double inchesDown(PaperSize paper) { return paper == PaperSize::a4 ? 297 / 25.4 : 11.0; }

// A connection of its own to the print service for each question and each
// page, so that no state of an earlier job is carried into the next; null
// when the service does not answer within a few seconds.
http_t* connectToService()
{
    return httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000,
                        nullptr);
}

// The default destination of the print service, or none.
cups_dest_t* defaultPrinter(http_t* http)
{
    return http != nullptr ? cupsGetNamedDest(http, nullptr, nullptr) : nullptr;
}

bool sendToPrinter(const PrintPage& page)
{
    http_t* http = connectToService();
    cups_dest_t* dest = defaultPrinter(http);
    if (dest == nullptr) {
        httpClose(http);
        return false;
    }
    int job = cupsCreateJob(http, dest->name, page.title, 0, nullptr);
    bool ok = job > 0 &&
              cupsStartDocument(http, dest->name, job, page.title, CUPS_FORMAT_PDF, 1) ==
                  HTTP_STATUS_CONTINUE &&
              cupsWriteRequestData(http, reinterpret_cast<const char*>(page.pdf.data()),
                                   page.pdf.size()) == HTTP_STATUS_CONTINUE;
    // The document is finished even after a failed write, so that the
    // service is not left waiting for the rest of it.
    if (job > 0)
        ok = cupsFinishDocument(http, dest->name) == IPP_STATUS_OK && ok;
    cupsFreeDests(1, dest);
    httpClose(http);
    return ok;
}

bool writeToFolder(const PrintPage& page)
{
    char name[32];
    std::snprintf(name, sizeof name, "/page-%02d.pdf", printedPages + 1);
    std::string path = printFolder + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool ok = std::fwrite(page.pdf.data(), 1, page.pdf.size(), file) == page.pdf.size();
    ok = std::fclose(file) == 0 && ok;
    if (ok)
        ++printedPages;
    return ok;
}

} // namespace

PrinterCaps printerCaps(PaperSize paper, int dpi)
{
    int width = static_cast<int>(inchesAcross(paper) * dpi);
    int height = static_cast<int>(inchesDown(paper) * dpi);
    return {dpi, width, height, 0, 0, height};
}

void setPrintFolder(const char* folder)
{
    printFolder = folder != nullptr ? folder : "";
    printedPages = 0;
}

void setPrintToImage(int dpi)
{
    imageDpi = dpi > 0 ? dpi : 0;
    if (imageDpi == 0 && lastImage != nullptr) {
        cairo_surface_destroy(lastImage);
        lastImage = nullptr;
    }
}

PrintPage* beginPrintPage(const char* title, PaperSize paper)
{
    bool image = imageDpi > 0;
    if (!image && printFolder.empty()) {
        http_t* http = connectToService();
        cups_dest_t* dest = defaultPrinter(http);
        httpClose(http);
        if (dest == nullptr)
            return nullptr;
        cupsFreeDests(1, dest);
    }
    auto* page = new PrintPage{};
    page->image = image;
    (void)copyText(page->title, title != nullptr ? title : "");
    page->caps = printerCaps(paper, image ? imageDpi : kPrinterDpi);
    if (image) {
        if (lastImage != nullptr)
            cairo_surface_destroy(lastImage);
        lastImage = nullptr;
        page->target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, page->caps.physicalWidth,
                                                  page->caps.physicalHeight);
        page->cr = cairo_create(page->target);
    } else {
        // The PDF page is measured in points; drawing is in printer pixels.
        page->target = cairo_pdf_surface_create_for_stream(
            collect, &page->pdf, inchesAcross(paper) * 72, inchesDown(paper) * 72);
        cairo_pdf_surface_set_metadata(page->target, CAIRO_PDF_METADATA_TITLE, page->title);
        page->cr = cairo_create(page->target);
        cairo_scale(page->cr, 72.0 / page->caps.dpi, 72.0 / page->caps.dpi);
    }
    // Paper is white where nothing is drawn.
    cairo_set_source_rgb(page->cr, 1, 1, 1);
    cairo_paint(page->cr);
    page->context = wrapCairoContext(page->cr);
    return page;
}

PrinterCaps pageCaps(const PrintPage* page)
{
    return page != nullptr ? page->caps : PrinterCaps{};
}

DrawContext* pageContext(PrintPage* page)
{
    return page != nullptr ? page->context : nullptr;
}

bool endPrintPage(PrintPage* page)
{
    if (page == nullptr)
        return false;
    releaseContext(page->context);
    cairo_show_page(page->cr);
    cairo_destroy(page->cr);
    bool ok = true;
    if (page->image) {
        cairo_surface_flush(page->target);
        lastImage = page->target;
    } else {
        cairo_surface_finish(page->target);
        ok = cairo_surface_status(page->target) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(page->target);
        ok = ok && (printFolder.empty() ? sendToPrinter(*page) : writeToFolder(*page));
    }
    delete page;
    return ok;
}

int printedPageCount()
{
    return printedPages;
}

long printedPixel(int x, int y)
{
    if (lastImage == nullptr || x < 0 || y < 0 || x >= printedWidth() || y >= printedHeight())
        return -1;
    const unsigned char* data = cairo_image_surface_get_data(lastImage);
    int stride = cairo_image_surface_get_stride(lastImage);
    std::uint32_t p;
    std::memcpy(&p, data + static_cast<std::ptrdiff_t>(y) * stride + 4 * x, 4);
    return static_cast<long>(makeRgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
}

int printedWidth()
{
    return lastImage != nullptr ? cairo_image_surface_get_width(lastImage) : 0;
}

int printedHeight()
{
    return lastImage != nullptr ? cairo_image_surface_get_height(lastImage) : 0;
}
