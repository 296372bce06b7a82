// Costs of drawing the year screen, the animations and histories menu and a
// nation search on an 800 x 600 surface. Each is drawn whole on every show
// and every click, so one drawing is the time a click takes to answer.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>

#include "content/group_menu.h"
#include "content/nation_search.h"
#include "core/app_state.h"
#include "core/nation_groups.h"
#include "map/timelines.h"
#include "platform/surface.h"

namespace {

struct Screen {
    AppState app{};
    DrawSurface* surface = nullptr;
    Screen()
    {
        setDefaults(app);
        app.mapTop = 58;
        app.year = -347;
        surface = createSurface(800, 600);
    }
    ~Screen() { destroySurface(surface); }
};

void BM_YearScreen(benchmark::State& state)
{
    Screen s;
    for (auto _ : state)
        yearPanel(s.app, 1, s.surface);
}
BENCHMARK(BM_YearScreen)->Unit(benchmark::kMicrosecond);

// Argument: fullContent (0 draws the shading over the national groups).
void BM_GroupMenu(benchmark::State& state)
{
    Screen s;
    s.app.fullContent = static_cast<int>(state.range(0));
    NationGroupTable groups = nationGroupStart;
    for (auto _ : state)
        groupMenu(s.app, groups, 1, s.surface);
}
BENCHMARK(BM_GroupMenu)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// ENTER after "sla": the lookup, the marks, the result line and the menu.
void BM_NationSearch(benchmark::State& state)
{
    Screen s;
    NationGroupTable groups = nationGroupStart;
    std::array<char, 12> typed{};
    for (auto _ : state) {
        std::memcpy(typed.data(), "sla", 4);
        s.app.typedLength = 3;
        runNationSearch(s.app, groups, typed, s.surface);
    }
}
BENCHMARK(BM_NationSearch)->Unit(benchmark::kMicrosecond);

} // namespace
