// Start values of the state record.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/app_state.h"

TEST(AppState, StartValuesAndFontSizes)
{
    AppState app{};
    app.year = 77;
    app.mapTop = 99;
    setDefaults(app);
    EXPECT_EQ(app.year, -3001);
    EXPECT_EQ(app.mapTop, 0) << "set later by the button table";
    EXPECT_EQ(app.previousScreenMode, 6);
    EXPECT_EQ(app.animationId, 9);
    EXPECT_EQ(app.copyFromPoint, -1);
    EXPECT_EQ(app.searchResult, -1);
    EXPECT_EQ(app.labelCount, 295);
    const int expected[] = {15, 19, 21, 24, 27, 31, 36, 46};
    const int actual[] = {app.fontSize1, app.fontSize2, app.fontSize3, app.fontSize4,
                          app.fontSize5, app.fontSize6, app.fontSize7, app.fontSize8};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(actual[i], expected[i]) << "fontSize" << i + 1;

    app.screenHeight = 768;
    setFontSizes(app);
    EXPECT_EQ(app.fontSize1, 19);
    EXPECT_EQ(app.fontSize8, 59);
}

TEST(AppState, FieldTableNamesEveryFieldOnce)
{
    std::set<std::string> names;
    AppState app{};
    for (const AppStateField& field : appStateFields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        app.*field.member = 1;
    }
    EXPECT_EQ(names.size() * sizeof(std::int32_t), sizeof(AppState));
    EXPECT_EQ(app.historyListEnd, 1);
    EXPECT_EQ(appStateFields().front().name, std::string("command"));
}
