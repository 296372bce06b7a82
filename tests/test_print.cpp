// The printed map timeline: the page frame for both sizes and papers, the
// map drawn for paper (on pages kept as pixels), the title block's labels,
// and whole jobs handed to a print service of the test's own.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "content/history_loader.h"
#include "core/app_state.h"
#include "core/history_table.h"
#include "map/label_table.h"
#include "map/messages.h"
#include "map/palette.h"
#include "map/projection.h"
#include "platform/display.h"
#include "platform/print_service.h"
#include "print/print_job.h"
#include "print/print_map.h"
#include "tests/map_fixture.h"
#include "tests/test_support.h"

namespace {

// A whole-map history of four periods, -3000..-2750..-1250..-1200..-1150,
// and the sample page's 850..900.
void writeSmallGlobal()
{
    mkdir("text", 0755);
    std::ofstream out("text/GLOBAL.txt");
    out << "0;-3000;-3000;0;0;5900;-2900;6600;0;0;GLOBAL;GLO;The whole map;\n"
           "1;-3000;-3000;1;3;3125;2985;2;0;0;-;*;Memphis;\n"
           "2;-2750;-3000;40;-2900;0;1;0;0;0;-;*;First cities;\n"
           "3;-1250;-2750;40;-2000;0;1;0;0;0;-;*;Bronze Age;\n"
           "4;-1200;-1250;40;-1225;0;0;0;0;0;-;*;Collapse;\n"
           "5;-1150;-1200;40;-1175;0;0;0;0;0;-;*;Iron;\n"
           "6;900;850;40;875;0;0;0;0;0;-;*;Sample;\n"
           "##\n"
           "#-2750;40;\nT\nSumer, 3000 BCE.\n#-1250;40;\nT\nBronze.\n"
           "#-1200;40;\nT\nSea peoples.\n#-1150;40;\nT\nIron.\n#900;40;\nT\nVikings.\n##\n";
}

struct PrintFixture : ::testing::Test {
    ScratchFolder folder;
    AppState app{};
    void SetUp() override
    {
        writeMapFixture();
        writeSmallGlobal();
        ASSERT_TRUE(createMainWindow(DisplayBackend::headless, "Veltmaren"));
        ASSERT_TRUE(setupDisplay(800, 600));
        app = fixtureState(9);
        loadMapFixture(app, borderTable, terrainMap);
        history(app, historyTable, periodIndex, lineStore, "GLOBAL", backBuffer);
        app.firstNationRecord = firstRecordAbove(borderTable, 0, kRiverMaxYear);
    }
    void TearDown() override
    {
        setPrintToImage(0);
        setPrintFolder(nullptr);
        releaseDisplay();
    }
    // The colour printed where a place of the fixture lies.
    long printedAt(double lonDegrees, double latDegrees)
    {
        PixelPoint p = paperPoint(app, static_cast<int>(lonDegrees * 100),
                                  mercator(static_cast<int>(latDegrees * 100)));
        return printedPixel(p.x, p.y);
    }
    // Dark pixels in the frame box [u0, u1) x [v0, v1) of the last page.
    int darkInFrame(int u0, int v0, int u1, int v1)
    {
        int dark = 0;
        for (int u = u0; u < u1; ++u)
            for (int v = v0; v < v1; ++v) {
                PixelPoint p = framePoint(app, u, v);
                long c = printedPixel(p.x, p.y);
                dark += c >= 0 && (c & 0xFF) < 100 && ((c >> 8) & 0xFF) < 100;
            }
        return dark;
    }
};

} // namespace

TEST(PrintPage, FrameForBothSizesAndPapers)
{
    AppState app{};
    setDefaults(app);
    app.printSize = 2;
    app.paperSize = 3;
    computePageFrame(app, printerCaps(PaperSize::letter, 600));
    EXPECT_EQ(app.printMapHeight, 4500);
    EXPECT_EQ(app.printMapWidth, 6000);
    EXPECT_EQ(app.printLeft, 300);
    EXPECT_EQ(app.printTop, 300);
    EXPECT_EQ(app.printRight, 4801);
    EXPECT_EQ(app.printBottom, 6301);
    EXPECT_EQ(app.printFont26, 117);
    EXPECT_EQ(app.printFont70, 315);

    app.printSize = 1;
    computePageFrame(app, printerCaps(PaperSize::letter, 600));
    EXPECT_EQ(app.printMapWidth, 4200);
    EXPECT_EQ(app.printMapHeight, 3150);
    EXPECT_EQ(app.printTop, 450);
    EXPECT_EQ(app.printBottom, 450 + 3150 + 1);

    // A4 is read at 4960 x 7015 and scaled before the frame is laid out.
    app.printSize = 2;
    app.paperSize = 4;
    computePageFrame(app, printerCaps(PaperSize::a4, 600));
    EXPECT_EQ(app.printMapHeight, static_cast<int>(4960 * 0.97294) - 600);
    EXPECT_EQ(app.printTop, (static_cast<int>(7015 * 1.06273) - app.printMapWidth) / 2);

    // A frame that reaches the printable bottom moves up by the overshoot.
    PrinterCaps shortPage = printerCaps(PaperSize::letter, 600);
    shortPage.verticalResolution = 6000;
    app.paperSize = 3;
    computePageFrame(app, shortPage);
    EXPECT_EQ(app.printBottom, 6000);
    EXPECT_EQ(app.printTop, 300 - 301);
}

TEST(PrintPage, TitleBlockEraLabels)
{
    AppState app{};
    setDefaults(app);
    app.eraLabels = 1;
    EraLabel bce = titleEraLabel(app, -500, 100, 1100);
    EXPECT_STREQ(bce.text, "BCE");
    EXPECT_EQ(bce.u, 100 + 630);
    EraLabel ce = titleEraLabel(app, 0, 100, 1100);
    EXPECT_STREQ(ce.text, " CE");
    EXPECT_EQ(ce.u, 100 + 610);
    app.eraLabels = 0;
    EXPECT_STREQ(titleEraLabel(app, -1, 100, 1100).text, " BC");
    EXPECT_STREQ(titleEraLabel(app, 30, 100, 1100).text, " AD");
    EXPECT_EQ(titleEraLabel(app, -1, 100, 1100).u, 710);
}

TEST_F(PrintFixture, PointsSqueezedOntoTheFrameInBothLayouts)
{
    for (int size : {2, 1}) {
        app.printSize = size;
        computePageFrame(app, printerCaps(PaperSize::letter, 600));
        selectPrintView(app);
        // Far west of the view and far north of it.
        PixelPoint west = paperPoint(app, -6000, mercator(2000));
        PixelPoint north = paperPoint(app, 2000, mercator(8000));
        if (size == 2) {
            EXPECT_EQ(west.y, app.printBottom) << "west lies at the foot of the turned page";
            EXPECT_EQ(north.x, app.printLeft) << "north at its left edge";
        } else {
            EXPECT_EQ(west.x, app.printLeft);
            EXPECT_EQ(north.y, app.printTop);
        }
        PixelPoint inside = paperPoint(app, 2000, mercator(2000));
        EXPECT_GT(inside.x, app.printLeft);
        EXPECT_LT(inside.y, app.printBottom);
    }
}

TEST_F(PrintFixture, NeutralLandPrintsWhiteAndThePeriodTextSplits)
{
    setPrintToImage(100);
    for (int size : {2, 1}) {
        app.printSize = size;
        app.printRangeStart = app.printRangeEnd = -2900;
        app.listIndex = 0;
        app.printYear = -2900;
        ASSERT_EQ(printMapPage(app, borderTable, historyTable, periodIndex, lineStore, terrainMap,
                               labelTable, "GLOBAL", backBuffer),
                  1);
        EXPECT_EQ(printedAt(10, 30), paletteColor(4)) << "the solid nation, size " << size;
        borderTable[kFixtureSolid].COLOR = 170;
        app.firstNationRecord = firstRecordAbove(borderTable, 0, kRiverMaxYear);
        ASSERT_EQ(printMapPage(app, borderTable, historyTable, periodIndex, lineStore, terrainMap,
                               labelTable, "GLOBAL", backBuffer),
                  1);
        EXPECT_EQ(printedAt(10, 30), paletteColor(210)) << "170 prints white, size " << size;
        borderTable[kFixtureSolid].COLOR = 4;
    }

    // Five lines of a period: three in the left column, two in the right.
    HistoryRecord& period = historyTable[static_cast<std::size_t>(periodIndex[0].record)];
    period.firstLine = 0;
    period.lineCount = 5;
    for (int k = 0; k < 5; ++k)
        std::snprintf(lineStore[static_cast<std::size_t>(k)].data(), kHistoryLineBytes,
                      "MMMMMMMMMMMMMMMMMMMM");
    app.printSize = 2;
    app.listIndex = 0;
    ASSERT_EQ(printMapPage(app, borderTable, historyTable, periodIndex, lineStore, terrainMap,
                           labelTable, "GLOBAL", backBuffer),
              1);
    const int h = app.printFont26, step = static_cast<int>(1.05 * h);
    const int top = app.printMapHeight - 3 * step - h / 2;
    auto rowDark = [&](double column, int row) {
        int u = static_cast<int>(column * app.printMapWidth);
        return darkInFrame(u + 2, top + row * step + 2, u + 8 * h, top + row * step + h - 2);
    };
    for (int row = 0; row < 3; ++row)
        EXPECT_GT(rowDark(0.34, row), 10) << "left column row " << row;
    EXPECT_GT(rowDark(0.675, 0), 10);
    EXPECT_GT(rowDark(0.675, 1), 10);
    EXPECT_EQ(rowDark(0.675, 2), 0) << "the right column holds two lines";
}

namespace {

// The test's own print service, or a skip where cupsd cannot start.
struct CupsFixture : PrintFixture {
    std::string dir;
    std::string socketPath;
    void SetUp() override
    {
        PrintFixture::SetUp();
        dir = folder.path() + "/cups";
        std::string command = std::string(VELTMAREN_SOURCE_DIR) + "/tests/private_cupsd.sh start " + dir;
        std::FILE* out = popen(command.c_str(), "r");
        char line[512] = "";
        if (out == nullptr || std::fgets(line, sizeof line, out) == nullptr) {
            if (out != nullptr)
                pclose(out);
            GTEST_SKIP() << "cupsd cannot start here";
        }
        pclose(out);
        socketPath = line;
        socketPath.erase(socketPath.find_last_not_of("\n") + 1);
        setenv("CUPS_SERVER", socketPath.c_str(), 1);
    }
    void TearDown() override
    {
        if (!dir.empty())
            std::system(("'" + std::string(VELTMAREN_SOURCE_DIR) + "/tests/private_cupsd.sh' stop " + dir).c_str());
        PrintFixture::TearDown();
    }
    // Documents the service holds; whether each is one page titled
    // "Veltmaren Map".
    int documents()
    {
        std::string command = "ls " + dir + "/spool | grep -c '^d'";
        std::FILE* out = popen(command.c_str(), "r");
        int count = 0;
        if (out != nullptr && std::fscanf(out, "%d", &count) != 1)
            count = 0;
        if (out != nullptr)
            pclose(out);
        return count;
    }
    bool allOnePageNamed()
    {
        std::string command = "cd " + dir + "/spool && for d in d*; do pdfinfo \"$d\" > info.txt"
                              " && grep -q '^Pages: *1$' info.txt && grep -q '^Title: *Veltmaren Map$' info.txt"
                              " || exit 1; done";
        return std::system(command.c_str()) == 0;
    }
};

} // namespace

TEST_F(CupsFixture, JobsOnTheDefaultPrinter)
{
    // The whole range, one job a page, in period order.
    app.printRangeStart = -3000;
    app.printRangeEnd = 1000;
    printTimeline(app, borderTable, historyTable, periodIndex, lineStore, terrainMap, labelTable,
                  backBuffer);
    EXPECT_EQ(app.printStatus, 0);
    EXPECT_EQ(documents(), 5);
    EXPECT_TRUE(allOnePageNamed());
    EXPECT_EQ(app.listIndex, 4) << "in period order, the last one last";

    // One year on the boundary between two periods prints nothing.
    app.printRangeStart = app.printRangeEnd = -1250;
    printTimeline(app, borderTable, historyTable, periodIndex, lineStore, terrainMap, labelTable,
                  backBuffer);
    EXPECT_EQ(documents(), 5);
    // One year inside a period prints that period.
    app.printRangeStart = app.printRangeEnd = -1180;
    printTimeline(app, borderTable, historyTable, periodIndex, lineStore, terrainMap, labelTable,
                  backBuffer);
    EXPECT_EQ(documents(), 6);

    // The reader's way: i, "Print sample map", then the sample click prints
    // the period of 850..900 alone and comes back to the sample screen.
    ASSERT_EQ(replayScript("click 120 40\nclick 400 218\nclick 400 150\nstate after.json\n"), 0);
    EXPECT_EQ(documents(), 7);
    EXPECT_TRUE(allOnePageNamed());
    ReplayState after = readReplayState("after.json");
    EXPECT_EQ(after["screenMode"], 28);
    EXPECT_EQ(after["printStatus"], 0);

    // Without a default printer: 212, printStatus 1, and the atlas goes on.
    std::system(("'" + std::string(VELTMAREN_SOURCE_DIR) + "/tests/private_cupsd.sh' nodefault " + dir).c_str());
    app.listIndex = 0;
    EXPECT_EQ(printMapPage(app, borderTable, historyTable, periodIndex, lineStore, terrainMap,
                           labelTable, "GLOBAL", backBuffer),
              -1);
    EXPECT_EQ(app.printStatus, 1);
}
