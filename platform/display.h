// The display: the window, the flip chain of two buffers, the two off-screen
// layers, presentation and events.
//
// Two back ends sit behind these operations: a full-screen SDL2 window
// (800 x 600 logical, letterboxed on any monitor) and a headless one that
// keeps the surfaces in memory, for tests, tools and the replay mode.
#pragma once

#include <cstdint>

struct DrawSurface;

enum class DisplayBackend { window, headless };

// The four display surfaces; null until setupDisplay succeeds.
extern DrawSurface* primarySurface; // what is shown now
extern DrawSurface* backBuffer;     // where a frame is composed; shown by flip
extern DrawSurface* mapLayer;       // the painted nations
extern DrawSurface* overlayLayer;   // sea, relief and rivers; land is the colour key

// 1 after restoreSurfaces ran; the frame function clears it when it has
// redrawn the screen that was showing.
extern int surfacesRestored;

// An input event in the program's own terms.
enum class EventKind { none, key, click, mouseMove, activate, quit };
struct InputEvent {
    EventKind kind;
    int key;    // character code of a key event (27 Escape, 13 Enter)
    int x, y;   // logical 800 x 600 position of a click or move
    bool active; // activation state of an activate event
};

// Creates the window (or nothing, headless) titled title. Returns false when
// it cannot be created.
[[nodiscard]] bool createMainWindow(DisplayBackend backend, const char* title);

// Gives the window the picture of the PNG file at programPath (a program
// path, see platform/files.h) as its icon. Returns false when there is no
// window or the file cannot be read; the window then keeps the desktop's
// default icon.
bool setWindowIcon(const char* programPath);

// Creates the four surfaces of width x height and the colour key of
// overlayLayer (the pixel nearest RGB(254, 0, 254)). Returns false at the
// first failure.
[[nodiscard]] bool setupDisplay(int width, int height);

// Shows backBuffer: it becomes the front buffer and the old front buffer
// becomes the new back buffer. Returns 1, or the result of restoreSurfaces
// when the display was lost.
int flip();

// True when the display's surfaces were lost (the window lost its screen).
bool displayLost();

// Restores the four surfaces; returns 1 when all came back.
int restoreSurfaces();

// Shows primarySurface as it is now. Drawing on primarySurface (typed
// digits, messages, the drawn pointer) already shows at once when its
// drawing context is released; this is for pixels changed otherwise. No
// effect headless.
void presentFront();

// Takes the next event if one waits; returns false when none does.
bool pollEvent(InputEvent& event);

// Blocks until an event arrives (used while the program is not active).
// Headless, with nothing queued, it gives the quit event.
void waitEvent(InputEvent& event);

// Queues an event as if it came from the window (replay mode and tests).
void postEvent(const InputEvent& event);

// Shows or hides the system's mouse pointer over the window (the safe mouse
// mode draws its own). No effect headless.
void showSystemPointer(bool shown);

// Releases the surfaces and the window.
void releaseDisplay();

// The pixel value of rgb on the surface, or -1.
long matchColor(std::uint32_t rgb, DrawSurface* surface);
