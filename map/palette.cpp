// The palette table.
#include "map/palette.h"

const std::array<Rgb, kPaletteSize> palette = {
    /*   0 */ makeRgb(153, 0, 41), makeRgb(255, 41, 102), makeRgb(204, 0, 41), makeRgb(255, 0, 41), makeRgb(255, 153, 153), makeRgb(204, 41, 102),
    /*   6 */ makeRgb(255, 204, 255), makeRgb(204, 41, 153), makeRgb(153, 41, 102), makeRgb(102, 0, 41), makeRgb(204, 41, 153), makeRgb(255, 153, 204),
    /*  12 */ makeRgb(255, 102, 204), makeRgb(255, 153, 255), makeRgb(255, 102, 153), makeRgb(204, 0, 102), makeRgb(255, 0, 102), makeRgb(255, 41, 153),
    /*  18 */ makeRgb(255, 0, 153), makeRgb(255, 41, 204), makeRgb(255, 200, 204), makeRgb(255, 102, 255), makeRgb(255, 41, 255), makeRgb(255, 0, 255),
    /*  24 */ makeRgb(204, 0, 153), makeRgb(153, 0, 102), makeRgb(204, 102, 204), makeRgb(204, 41, 204), makeRgb(204, 153, 255), makeRgb(204, 102, 255),
    /*  30 */ makeRgb(204, 41, 255), makeRgb(153, 41, 153), makeRgb(204, 0, 204), makeRgb(204, 0, 255), makeRgb(153, 0, 204), makeRgb(153, 0, 153),
    /*  36 */ makeRgb(204, 153, 204), makeRgb(153, 102, 153), makeRgb(102, 41, 102), makeRgb(102, 0, 153), makeRgb(153, 41, 204), makeRgb(102, 0, 102),
    /*  42 */ makeRgb(153, 0, 255), makeRgb(153, 41, 255), makeRgb(153, 102, 204), makeRgb(41, 0, 41), makeRgb(102, 25, 153), makeRgb(102, 41, 204),
    /*  48 */ makeRgb(102, 0, 204), makeRgb(153, 102, 255), makeRgb(41, 0, 102), makeRgb(102, 0, 255), makeRgb(102, 41, 255), makeRgb(204, 204, 255),
    /*  54 */ makeRgb(153, 153, 255), makeRgb(153, 153, 204), makeRgb(102, 102, 204), makeRgb(102, 102, 255), makeRgb(102, 102, 153), makeRgb(41, 41, 102),
    /*  60 */ makeRgb(41, 41, 153), makeRgb(41, 0, 153), makeRgb(41, 0, 204), makeRgb(41, 0, 255), makeRgb(41, 41, 255), makeRgb(41, 41, 204),
    /*  66 */ makeRgb(0, 102, 255), makeRgb(0, 41, 255), makeRgb(41, 102, 255), makeRgb(41, 102, 204), makeRgb(0, 0, 102), makeRgb(0, 0, 41),
    /*  72 */ makeRgb(0, 0, 255), makeRgb(0, 0, 153), makeRgb(0, 41, 204), makeRgb(0, 0, 153), makeRgb(41, 102, 153), makeRgb(0, 102, 204),
    /*  78 */ makeRgb(153, 204, 255), makeRgb(102, 153, 255), makeRgb(0, 41, 102), makeRgb(102, 153, 204), makeRgb(0, 102, 153), makeRgb(41, 153, 204),
    /*  84 */ makeRgb(0, 153, 204), makeRgb(102, 204, 255), makeRgb(41, 153, 255), makeRgb(0, 41, 153), makeRgb(0, 153, 255), makeRgb(41, 204, 255),
    /*  90 */ makeRgb(0, 204, 255), makeRgb(153, 255, 255), makeRgb(102, 255, 255), makeRgb(41, 255, 255), makeRgb(0, 255, 255), makeRgb(0, 204, 204),
    /*  96 */ makeRgb(0, 153, 153), makeRgb(102, 153, 153), makeRgb(153, 204, 204), makeRgb(204, 255, 255), makeRgb(41, 204, 204), makeRgb(102, 204, 204),
    /* 102 */ makeRgb(41, 153, 153), makeRgb(41, 102, 102), makeRgb(0, 102, 102), makeRgb(0, 41, 41), makeRgb(0, 255, 204), makeRgb(41, 255, 204),
    /* 108 */ makeRgb(41, 204, 153), makeRgb(0, 204, 153), makeRgb(102, 255, 204), makeRgb(153, 255, 204), makeRgb(0, 255, 153), makeRgb(41, 153, 102),
    /* 114 */ makeRgb(0, 102, 41), makeRgb(41, 102, 41), makeRgb(102, 153, 102), makeRgb(102, 204, 102), makeRgb(153, 255, 153), makeRgb(102, 255, 102),
    /* 120 */ makeRgb(41, 153, 41), makeRgb(153, 204, 153), makeRgb(102, 255, 153), makeRgb(41, 255, 153), makeRgb(41, 204, 102), makeRgb(0, 204, 102),
    /* 126 */ makeRgb(102, 204, 153), makeRgb(0, 153, 102), makeRgb(0, 153, 41), makeRgb(41, 255, 102), makeRgb(0, 255, 102), makeRgb(204, 255, 204),
    /* 132 */ makeRgb(204, 255, 153), makeRgb(153, 255, 102), makeRgb(153, 255, 41), makeRgb(0, 255, 41), makeRgb(41, 255, 41), makeRgb(0, 204, 41),
    /* 138 */ makeRgb(41, 204, 41), makeRgb(102, 255, 41), makeRgb(0, 255, 0), makeRgb(102, 204, 41), makeRgb(0, 102, 0), makeRgb(0, 41, 0),
    /* 144 */ makeRgb(0, 153, 0), makeRgb(41, 255, 0), makeRgb(102, 255, 0), makeRgb(153, 255, 0), makeRgb(102, 204, 0), makeRgb(0, 204, 0),
    /* 150 */ makeRgb(41, 204, 0), makeRgb(41, 153, 0), makeRgb(153, 204, 102), makeRgb(102, 153, 41), makeRgb(153, 204, 41), makeRgb(41, 102, 0),
    /* 156 */ makeRgb(102, 153, 0), makeRgb(153, 204, 0), makeRgb(204, 255, 102), makeRgb(204, 255, 41), makeRgb(204, 255, 0), makeRgb(153, 153, 0),
    /* 162 */ makeRgb(204, 204, 0), makeRgb(204, 204, 41), makeRgb(41, 41, 0), makeRgb(102, 102, 0), makeRgb(153, 153, 41), makeRgb(204, 204, 102),
    /* 168 */ makeRgb(102, 102, 41), makeRgb(153, 153, 102), makeRgb(204, 204, 153), makeRgb(255, 255, 204), makeRgb(255, 255, 153), makeRgb(255, 255, 102),
    /* 174 */ makeRgb(255, 255, 41), makeRgb(255, 255, 0), makeRgb(255, 204, 0), makeRgb(255, 204, 102), makeRgb(255, 204, 41), makeRgb(204, 153, 41),
    /* 180 */ makeRgb(153, 102, 0), makeRgb(204, 153, 0), makeRgb(255, 153, 0), makeRgb(204, 102, 0), makeRgb(153, 41, 0), makeRgb(204, 102, 41),
    /* 186 */ makeRgb(102, 41, 0), makeRgb(255, 153, 102), makeRgb(255, 102, 41), makeRgb(255, 153, 41), makeRgb(255, 102, 0), makeRgb(204, 41, 0),
    /* 192 */ makeRgb(153, 102, 41), makeRgb(41, 0, 0), makeRgb(102, 41, 41), makeRgb(153, 102, 102), makeRgb(204, 153, 153), makeRgb(153, 41, 41),
    /* 198 */ makeRgb(204, 102, 102), makeRgb(255, 204, 204), makeRgb(255, 41, 41), makeRgb(204, 41, 41), makeRgb(255, 102, 102), makeRgb(102, 0, 0),
    /* 204 */ makeRgb(153, 0, 0), makeRgb(204, 0, 0), makeRgb(255, 0, 0), makeRgb(255, 41, 0), makeRgb(204, 153, 102), makeRgb(255, 204, 153),
    /* 210 */ makeRgb(255, 255, 255), makeRgb(204, 204, 204), makeRgb(153, 153, 153), makeRgb(102, 102, 102), makeRgb(41, 41, 41), makeRgb(0, 0, 0),
};

Rgb paletteColor(int colorIndex)
{
    if (colorIndex < 0 || colorIndex >= kPaletteSize)
        return makeRgb(0, 0, 0);
    return palette[static_cast<std::size_t>(colorIndex)];
}
