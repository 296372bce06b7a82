// A JPEG picture loaded as the atlas loads its pictures, then drawn over the
// band below the menu and into the history page's picture box.
#include <cstddef>
#include <cstdint>

#include "content/pictures.h"
#include "core/app_state.h"
#include "fuzz/fuzz_support.h"
#include "platform/display.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static AppState app;
    static PictureHolder holder;
    fuzzStart(app);
    if (!fuzzWriteFile("images/FUZZ.jpg", data, size))
        return 0;
    loadPicture(holder, "images\\FUZZ.jpg");
    (void)drawPictureBand(holder, app, app.mapTop, app.screenHeight, backBuffer);
    (void)drawPictureRect(holder, backBuffer, 281, 292, 515, 305, 20, 0, 770, 440);
    return 0;
}
