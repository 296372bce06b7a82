// The label layout step of a base map rebuild. Until the map labels exist
// there is nothing to lay out.
#include "map/renderer.h"

void layoutLabelsForView(AppState& app)
{
    (void)app;
}
