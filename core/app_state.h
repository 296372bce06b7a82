// The atlas's one run-time state record.
//
// Every operation of the program receives the single AppState by reference.
// All fields are signed 32-bit integers, declared in one list so that the
// record, its field names (for the replay mode's state dump and the
// maintainer tool) and its layout checks can never drift apart.
#pragma once

#include <cstdint>
#include <span>

// X(name): one AppState field, in record order.
#define VELTMAREN_APP_STATE_FIELDS(X)                                         \
    X(command)            /* pending controller command, 0 none, 1..82   */   \
    X(screenMode)         /* the screen now showing                      */   \
    X(previousScreenMode) /* screen before the last change               */   \
    X(playing)            /* 1 while an animation plays                  */   \
    X(yearStep)           /* years per region-animation step; 0 reads 2  */   \
    X(animationId)        /* map view 0..9, region 0..10, history 11+    */   \
    X(year)               /* map year; -3001 before any map              */   \
    X(timelineYear)       /* year last marked on the timelines           */   \
    X(screenHeight)                                                            \
    X(screenWidth)                                                             \
    X(mapTop)             /* top of the map area; above is the menu band */   \
    X(lastTextBottom)     /* top plus height of the last text drawn      */   \
    X(colorDepth)                                                              \
    X(fontSize1)                                                               \
    X(fontSize2)                                                               \
    X(fontSize4)          /* also the row height of menus and lists      */   \
    X(fontSize6)                                                               \
    X(fontSize7)                                                               \
    X(fontSize8)                                                               \
    X(eraLabels)          /* 0 BC/AD, 1 BCE/CE                           */   \
    X(mouseX)                                                                  \
    X(mouseY)                                                                  \
    X(nextRecord)         /* border slot where the last paint stopped    */   \
    X(headingLeft)                                                             \
    X(headingBoxLeft)                                                          \
    X(headingRight)                                                            \
    X(historyRecordCount)                                                      \
    X(periodPage)         /* 0, 30, 60 or 90                             */   \
    X(lastPeriod)                                                              \
    X(listIndex)                                                               \
    X(selectedRecord)                                                          \
    X(editListIndex)                                                           \
    X(editFilterValue)                                                         \
    X(editListPage)                                                            \
    X(viewCenterX)                                                             \
    X(viewWest)                                                                \
    X(viewEast)                                                                \
    X(viewScaleX)                                                              \
    X(viewSouthY)                                                              \
    X(viewNorthY)                                                              \
    X(viewScaleY)                                                              \
    X(viewSouthLat)                                                            \
    X(viewNorthLat)                                                            \
    X(viewUnitsPerPixel)                                                       \
    X(typedLength)        /* characters typed so far, 0..8               */   \
    X(lastKey)                                                                 \
    X(editEntryValue)                                                          \
    X(editorActive)                                                            \
    X(editRecordIndex)                                                         \
    X(recordCount)        /* slot of the last sentinel border record     */   \
    X(backupNumber)                                                            \
    X(copyFromPoint)                                                           \
    X(copyToPoint)                                                             \
    X(previousMouseX)                                                          \
    X(previousMouseY)                                                          \
    X(anchorPoint)                                                             \
    X(historyYearStep)                                                         \
    X(firstNationRecord)                                                       \
    X(historyEndYear)                                                          \
    X(labelHit)           /* -199 before the test                        */   \
    X(previousLabelHit)                                                        \
    X(titlePicture)                                                            \
    X(fontSize3)          /* most button labels                          */   \
    X(softwareCursor)                                                          \
    X(cursorSaved)                                                             \
    X(cursorX)                                                                 \
    X(cursorY)                                                                 \
    X(searchResult)                                                            \
    X(startYearChanged)                                                        \
    X(editListByYear)                                                          \
    X(moreText)                                                                \
    X(firstShownLine)                                                          \
    X(timelineShown)                                                           \
    X(textLevel)          /* 111 Standard, 101 Young Reader              */   \
    X(historyStep)        /* 22 after Next, 23 after Prior               */   \
    X(fontSize5)                                                               \
    X(yearEntry)          /* 120 typing, 121 timelines                   */   \
    X(printSize)                                                               \
    X(printRangeStart)                                                         \
    X(printRangeEnd)                                                           \
    X(printYear)                                                               \
    X(printLeft)                                                               \
    X(printTop)                                                                \
    X(printRight)                                                              \
    X(printBottom)                                                             \
    X(printMapWidth)                                                           \
    X(printMapHeight)                                                          \
    X(printFont12)                                                             \
    X(printFont22)                                                             \
    X(printFont26)                                                             \
    X(printFont30)                                                             \
    X(printFont34)                                                             \
    X(printFont40)                                                             \
    X(printFont44)                                                             \
    X(printFont70)                                                             \
    X(printCenterX)                                                            \
    X(printNorthLat)                                                           \
    X(printSouthLat)                                                           \
    X(printNorthY)                                                             \
    X(printSouthY)                                                             \
    X(printWest)                                                               \
    X(printEast)                                                               \
    X(printScaleX)                                                             \
    X(printScaleY)                                                             \
    X(printStatus)        /* 0 when the last print job went through      */   \
    X(paperSize)          /* 3 Letter, 4 A4                              */   \
    X(labelCount)         /* label rows the label passes go through      */   \
    X(inputLocked)        /* 1 while a long redraw runs                  */   \
    X(historyListTop)                                                          \
    X(historyListRows)                                                         \
    X(historyListFirst)                                                        \
    X(historyListEnd)                                                          \
    X(fullContent)        /* 1 when the history texts are installed      */

struct AppState {
#define VELTMAREN_DECLARE_FIELD(name) std::int32_t name;
    VELTMAREN_APP_STATE_FIELDS(VELTMAREN_DECLARE_FIELD)
#undef VELTMAREN_DECLARE_FIELD
};

// One named field of AppState, for dumps and look-ups by name.
struct AppStateField {
    const char* name;
    std::int32_t AppState::*member;
};

// Every field of AppState with its name, in record order.
std::span<const AppStateField> appStateFields();

// Gives every field its start value (fields without one become 0). Called
// once by start-up; tests call it to get a fresh state.
void setDefaults(AppState& app);

// Computes fontSize1..fontSize8 from screenHeight, each the fraction of the
// height truncated toward zero. Call after screenHeight is set.
void setFontSizes(AppState& app);
