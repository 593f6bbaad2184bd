#include "params/display_list_edit.h"

#include "params/parameter_store.h"

namespace tessara {
namespace {

void moveSelected(NameList& from, NameList& to)
{
    const int index = from.selectedIndex();
    // The buttons that move a selection are disabled without one.
    if (index == NameList::kNoSelection)
        return;
    to.add(from.at(index));
    from.removeAt(index);
}

void moveAll(NameList& from, NameList& to)
{
    // From the last entry to the first, so that the indexes left stay valid.
    for (int index = from.size() - 1; index >= 0; --index) {
        to.add(from.at(index));
        from.removeAt(index);
    }
}

}  // namespace

DisplayListEdit::DisplayListEdit(const ParameterStore& store)
{
    for (const auto& [name, set] : store)
        (set.displayed ? displayed_ : available_).add(name);
}

void DisplayListEdit::selectAvailable(int index)
{
    available_.select(index);
    displayed_.select(NameList::kNoSelection);
}

void DisplayListEdit::selectDisplayed(int index)
{
    displayed_.select(index);
    available_.select(NameList::kNoSelection);
}

void DisplayListEdit::add()
{
    moveSelected(available_, displayed_);
}

void DisplayListEdit::addAll()
{
    moveAll(available_, displayed_);
}

void DisplayListEdit::remove()
{
    moveSelected(displayed_, available_);
}

void DisplayListEdit::removeAll()
{
    moveAll(displayed_, available_);
}

DisplayListButtons DisplayListEdit::buttons() const
{
    DisplayListButtons b;
    b.add = available_.selectedIndex() != NameList::kNoSelection;
    b.addAll = !available_.empty();
    b.remove = displayed_.selectedIndex() != NameList::kNoSelection;
    b.removeAll = !displayed_.empty();
    b.save = !displayed_.empty();
    b.noteShown = displayed_.empty();
    return b;
}

void DisplayListEdit::apply(ParameterStore& store) const
{
    for (const std::string& name : displayed_.names())
        store.setDisplayed(name, true);
    for (const std::string& name : available_.names())
        store.setDisplayed(name, false);
}

}  // namespace tessara
