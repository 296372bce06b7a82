// The atlas's reading of the historical-basemaps names: corrections of names
// that the source gets wrong, and the polities with their colour, fill and
// national group.
#pragma once

// A name the source gives wrongly in one snapshot (or in all, when snapshot
// is empty), and the atlas's name for the same territory.
struct NameFix {
    const char* snapshot;  // "bc1500", "800", ... or "" for every snapshot
    const char* source;    // NAME as the source has it
    const char* atlas;     // the corrected name
};

// A name the source gives wrongly to the polygons of a feature that lie in
// one region (their bounding box centre inside west..east, south..north).
struct PlaceFix {
    const char* snapshot;  // as for NameFix
    const char* source;    // the feature's name after the name corrections
    double west, south, east, north;
    const char* atlas;     // the polygons' name; empty leaves them out
};

// A polity the atlas knows by name. Territories of one polity share one
// record colour and nation number across snapshots.
struct PolityDef {
    const char* name;  // atlas name (after corrections)
    int color;         // ColorIndex, or -1 to choose one apart from the neighbours
    bool people;       // a people or culture without a state: hatched
    int group;         // national group id of the histories menu, 0 for none
    int weight;        // selection weight: 0 ordinary, higher keeps smaller parts
};

extern const NameFix nameFixes[];
extern const PlaceFix placeFixes[];
extern const int placeFixCount;
extern const int nameFixCount;
extern const PolityDef polityTable[];
extern const int polityCount;

// The national group of a polity that is not in polityTable.
struct GroupDef {
    const char* name;
    int group;
};

extern const GroupDef groupTable[];
extern const int groupCount;

// Peoples and cultures without a state, beyond those the name tells.
extern const char* const peopleNames[];
extern const int peopleNameCount;

// Colours that automatic choice may use, best first.
extern const int autoColors[];
extern const int autoColorCount;
// Deeper colours for peoples, whose hatching must show on the neutral land.
extern const int autoPeopleColors[];
extern const int autoPeopleColorCount;
