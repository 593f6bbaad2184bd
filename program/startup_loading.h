#pragma once

#include <string>
#include <string_view>

namespace tessara {

class EllipsoidList;
class EllipsoidMenu;
class NameList;
class Notifier;
class ParameterStore;
class SettingsStore;

// Rebuilds the parameter store from nothing: the four built-in sets, then
// the sets of the list file (a stored set replaces a built-in one of its
// name), then the display flags kept in the settings. Both parameter-set
// lists of the main form are then filled with the displayed names, sorted,
// and get their first entry selected when nothing was.
void LoadParameterSets(ParameterStore& store, NameList& itrfList, NameList& gdaList,
                       const std::string& parameterListPath, const SettingsStore& settings,
                       Notifier& notifier);

// The current ellipsoid, as an index of the ellipsoid list, per direction.
struct CurrentEllipsoids {
    int itrfToGda = 0;
    int gdaToItrf = 0;
};

// Rebuilds the ellipsoid list from nothing: GRS80 at index 0, current for
// both directions, then the ellipsoids of the list file (none replaces a
// built-in one). The menu gets an item per ellipsoid, and the ellipsoid named
// in the settings of the active direction becomes its current one (entry 0
// when no ellipsoid has that name).
void LoadEllipsoids(EllipsoidList& list, EllipsoidMenu& menu, CurrentEllipsoids& current,
                    bool itrfToGdaActive, std::string_view savedEllipsoidName,
                    const std::string& ellipsoidListPath, Notifier& notifier);

}  // namespace tessara
