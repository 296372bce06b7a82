// Start values of the atlas's state record and its field table.
#include "core/app_state.h"

#include <array>
#include <cstddef>

namespace {

#define VELTMAREN_COUNT_FIELD(name) +1
inline constexpr int kAppStateFieldCount = 0 VELTMAREN_APP_STATE_FIELDS(VELTMAREN_COUNT_FIELD);
#undef VELTMAREN_COUNT_FIELD

static_assert(sizeof(AppState) == kAppStateFieldCount * sizeof(std::int32_t),
              "AppState must be a packed record of 32-bit fields");

constexpr std::array<AppStateField, kAppStateFieldCount> kFields = {{
#define VELTMAREN_NAME_FIELD(name) {#name, &AppState::name},
    VELTMAREN_APP_STATE_FIELDS(VELTMAREN_NAME_FIELD)
#undef VELTMAREN_NAME_FIELD
}};

} // namespace

std::span<const AppStateField> appStateFields()
{
    return kFields;
}

void setDefaults(AppState& app)
{
    app = AppState{};
    app.previousScreenMode = 6;
    app.yearStep = 2;
    app.animationId = 9;
    app.year = -3001;
    app.timelineYear = 200;
    app.screenHeight = 600;
    app.screenWidth = 800;
    app.colorDepth = 16;
    app.editFilterValue = 1;
    app.copyFromPoint = -1;
    app.copyToPoint = -1;
    app.anchorPoint = -1;
    app.searchResult = -1;
    app.textLevel = 111;
    app.yearEntry = 120;
    app.printSize = 2;
    app.paperSize = 3;
    app.labelCount = 295;
    setFontSizes(app);
}

void setFontSizes(AppState& app)
{
    double height = app.screenHeight;
    app.fontSize1 = static_cast<std::int32_t>(0.025 * height);
    app.fontSize2 = static_cast<std::int32_t>(0.032 * height);
    app.fontSize3 = static_cast<std::int32_t>(0.035 * height);
    app.fontSize4 = static_cast<std::int32_t>(0.04 * height);
    app.fontSize5 = static_cast<std::int32_t>(0.046 * height);
    app.fontSize6 = static_cast<std::int32_t>(0.052 * height);
    app.fontSize7 = static_cast<std::int32_t>(0.06 * height);
    app.fontSize8 = static_cast<std::int32_t>(0.078 * height);
}
