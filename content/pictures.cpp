// Loading and drawing the atlas's pictures.
#include "content/pictures.h"

#include "core/app_state.h"
#include "core/bounded_text.h"
#include "platform/files.h"
#include "platform/jpeg.h"
#include "platform/surface.h"

PictureHolder titlePictureHolder;
PictureHolder historyPictureHolder;
PictureHolder printPictureHolder;

const PictureTable pictureTable = {
    {"CHNGWALL", "ENGSTONE", "GREPARTH", "EGYPYRAM", "MALBOROB", "CHNARMYX", "SSEPETRA",
     "JAPTODAI", "BABBRICK", "ROMCOLIS", "EGYHIERO", "ROMINSID", "ISOCUNIE", "ISOMOHEN",
     "BYZHAGIA", "EGYOBLSK", "ARBGIBRA", "KHMBARAY", "GREOLYMP", "ISOMINOS", "NUBPYRAM",
     "ENGBATHS", "EGETRAJA", "ARBDROCK", "EGYSPHNX", "ROMAQUED", "GREORACL", "ENGHADRI"},
    kPictureNames,
};

void loadPicture(PictureHolder& holder, const char* programPath)
{
    holder.release();
    char path[512];
    if (!resolvePath(programPath, path))
        return;
    DecodedJpeg decoded{};
    if (!decodeJpegFile(path, decoded))
        return;
    BitmapInfoHeader& h = holder.header;
    h = BitmapInfoHeader{};
    h.size = sizeof(BitmapInfoHeader);
    h.width = decoded.width;
    h.height = decoded.height;
    h.planes = 1;
    h.bitCount = 24;
    holder.colorEntry = 0;
    holder.buffer = std::move(decoded.pixels);
    holder.bytes = decoded.bytes;
}

bool drawPictureRect(const PictureHolder& holder, DrawSurface* surface, int x, int y, int width,
                     int height, int sourceX, int sourceY, int sourceWidth, int sourceHeight)
{
    if (holder.empty())
        return false;
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return false;
    drawPicture(context, holder.pixels(), holder.header.width, holder.header.height, sourceX,
                sourceY, sourceWidth, sourceHeight, x, y, width, height);
    releaseContext(context);
    return true;
}

bool drawPictureBand(const PictureHolder& holder, const AppState& app, int top, int bottom,
                     DrawSurface* surface)
{
    return drawPictureRect(holder, surface, 0, top, app.screenWidth, bottom - top, 0, 0,
                           holder.header.width, holder.header.height);
}

bool picturePath(int index, std::span<char> path)
{
    if (index < 0 || index >= pictureTable.count)
        return false;
    bool fits = copyText(path, "images\\");
    fits = appendText(path, pictureTable.names[index]) && fits;
    return appendText(path, ".jpg") && fits;
}
