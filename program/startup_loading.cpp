#include "program/startup_loading.h"

#include "program/display_list.h"
#include "records/builtin_records.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_list_file.h"
#include "params/ellipsoid_menu.h"
#include "params/name_list.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"

namespace tessara {

void LoadParameterSets(ParameterStore& store, NameList& itrfList, NameList& gdaList,
                       const std::string& parameterListPath, const SettingsStore& settings,
                       Notifier& notifier)
{
    store.clear();
    for (const ParameterSet& set : builtInParameterSets())
        store.store(set);
    loadStoredSets(parameterListPath, store, notifier);
    applyDisplayFlags(store, settings);

    // The lists are refilled from the store as it now stands, so what the
    // list file's records said about them along the way no longer matters.
    itrfList.clear();
    gdaList.clear();
    for (const std::string& name : store.displayedNames()) {
        itrfList.add(name);
        gdaList.add(name);
    }
    if (itrfList.selectedIndex() < 0)
        itrfList.select(0);
    if (gdaList.selectedIndex() < 0)
        gdaList.select(0);
}

void LoadEllipsoids(EllipsoidList& list, EllipsoidMenu& menu, CurrentEllipsoids& current,
                    bool itrfToGdaActive, std::string_view savedEllipsoidName,
                    const std::string& ellipsoidListPath, Notifier& notifier)
{
    list.clear();
    list.addOrReplaceEllipsoid(builtInEllipsoid());
    current = CurrentEllipsoids{};
    loadStoredEllipsoids(ellipsoidListPath, list, notifier);
    menu.addItemsFor(list);
    const int selected = menu.selectEllipsoidByName(savedEllipsoidName);
    (itrfToGdaActive ? current.itrfToGda : current.gdaToItrf) = selected;
}

}  // namespace tessara
