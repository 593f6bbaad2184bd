// Parameter and ellipsoid files as both programs read them: the editor's
// reader, the transformation program's import (with the list file it
// appends to and reads back at the next start), the list loader, and the
// record readers over a source that knows its size and one that does not.

#include "records/builtin_records.h"
#include "fuzz/fuzz_bodies.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_file.h"
#include "params/ellipsoid_entry.h"
#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_list_file.h"
#include "params/ellipsoid_menu.h"
#include "params/name_list.h"
#include "params/notifier.h"
#include "params/parameter_export.h"
#include "params/parameter_file.h"
#include "params/parameter_import.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"
#include "params/parameter_view.h"
#include "params/record_codec.h"

#include <bit>
#include <string_view>

namespace tessara::fuzz {
namespace {

// Message boxes are counted, questions answered No.
class SilentNotifier final : public Notifier {
public:
    using Notifier::showMessage;
    void showMessage(const std::string& /*text*/, const std::string& /*caption*/) override
    {
        ++shown;
    }
    bool askYesNo(const std::string& /*caption*/, const std::string& /*text*/) override
    {
        return false;
    }
    int shown = 0;
};

// A source that cannot tell its size, like a pipe: long texts come in
// bounded pieces instead of one piece of the stored length.
class UnsizedSource final : public ByteSource {
public:
    explicit UnsizedSource(std::string_view bytes) : inner_(bytes) {}
    std::size_t read(void* buffer, std::size_t size) override { return inner_.read(buffer, size); }
    std::optional<std::uint64_t> remaining() const override { return std::nullopt; }

private:
    MemorySource inner_;
};

// Doubles compared by their bits, so that a NaN read equals itself.
bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool sameValues(const ParameterSet& a, const ParameterSet& b)
{
    for (int i = 0; i < ParameterSet::kValueCount; ++i) {
        if (!sameBits(a.value(i), b.value(i)))
            return false;
    }
    return a.name == b.name;
}

bool sameRecord(const ParameterSet& a, const ParameterSet& b)
{
    return sameValues(a, b) && a.checksum == b.checksum && a.displayed == b.displayed;
}

bool sameRecord(const Ellipsoid& a, const Ellipsoid& b)
{
    return a.name == b.name && sameBits(a.semiMajorAxis, b.semiMajorAxis) &&
           a.semiMajorDecimals == b.semiMajorDecimals &&
           sameBits(a.inverseFlattening, b.inverseFlattening) &&
           a.flatteningDecimals == b.flatteningDecimals && a.checksum == b.checksum;
}

// Both sources must give the same records, field for field, and stop at
// the same place: the unsized path is separate code.
template <typename Record, typename Read>
void compareSources(std::string_view bytes, std::string_view marker, Read read)
{
    MemorySource sized(bytes);
    UnsizedSource unsized(bytes);
    const bool markerSized = readMarker(sized, marker);
    TESSARA_FUZZ_CHECK(readMarker(unsized, marker) == markerSized);
    // Readers stop at a wrong marker; the sources need not agree where a
    // failed read left them.
    if (!markerSized)
        return;
    // A record holds at least one byte, so this many reads reach the end.
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        Record a;
        Record b;
        const RecordRead readSized = read(sized, a);
        TESSARA_FUZZ_CHECK(read(unsized, b) == readSized);
        TESSARA_FUZZ_CHECK(sameRecord(a, b));
        if (readSized == RecordRead::Incomplete)
            return;
    }
    TESSARA_FUZZ_FAIL("a record reader did not come to the end of its data");
}

ScratchFile& dataFile()
{
    static ScratchFile file("tessara-fuzz-data");
    return file;
}

ScratchFile& listFile()
{
    static ScratchFile file("tessara-fuzz-list");
    return file;
}

}  // namespace

int fuzzParameterFile(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ScratchFile& file = dataFile();
    file.write(bytes);
    SilentNotifier notifier;

    // The editor shows what it read in its form.
    ParameterSet edited;
    if (readParameterFileInEditor(file.path(), edited, notifier).goOn) {
        parameterTexts(edited);
        checkModeTexts(edited);
    }

    // The program shows the import for checking, stores it, and finds it
    // in its list file at the next start.
    ParameterSet imported;
    if (readParameterFileInProgram(file.path(), imported, notifier).goOn) {
        parameterTexts(imported);
        checkModeTexts(imported);
        parameterExportText(imported);
        listFile().clear();
        ParameterStore store;
        NameList visible;
        if (storeImportedSet(imported, store, visible, listFile().path(), notifier)) {
            ParameterStore restarted;
            loadStoredSets(listFile().path(), restarted, notifier);
            const ParameterSet* back = restarted.find(imported.name);
            TESSARA_FUZZ_CHECK(back != nullptr && sameValues(*back, imported));
        }
    }

    // The same bytes as the program's own list file.
    ParameterStore store;
    loadStoredSets(file.path(), store, notifier);
    for (const auto& [name, set] : store)
        parameterTexts(set);

    for (const bool withFlag : {false, true}) {
        compareSources<ParameterSet>(bytes, kParameterMarker,
                                     [withFlag](ByteSource& in, ParameterSet& set) {
                                         return readParameterRecord(in, set, withFlag);
                                     });
    }
    return 0;
}

int fuzzEllipsoidFile(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ScratchFile& file = dataFile();
    file.write(bytes);
    SilentNotifier notifier;

    // The editor shows what it read in its form.
    Ellipsoid edited;
    if (readEllipsoidFileInEditor(file.path(), edited, notifier).goOn)
        ellipsoidFieldTexts(edited);

    // The program's import: added to the list and the menu, appended to the
    // list file, and found there at the next start.
    Ellipsoid imported;
    if (readEllipsoidFileInProgram(file.path(), imported, notifier).goOn)
        ellipsoidFieldTexts(imported);
    listFile().clear();
    EllipsoidList list;
    list.addOrReplaceEllipsoid(builtInEllipsoid());
    EllipsoidMenu menu;
    menu.addItemsFor(list);
    if (importEllipsoidFile(file.path(), list, menu, listFile().path(), notifier) ==
        EllipsoidImport::Saved) {
        const Ellipsoid& added = list[list.size() - 1];
        ellipsoidFieldTexts(added);
        EllipsoidList restarted;
        restarted.addOrReplaceEllipsoid(builtInEllipsoid());
        loadStoredEllipsoids(listFile().path(), restarted, notifier);
        const std::optional<std::size_t> at = restarted.indexOf(added.name);
        TESSARA_FUZZ_CHECK(at.has_value());
        const Ellipsoid& back = restarted[*at];
        TESSARA_FUZZ_CHECK(sameBits(back.semiMajorAxis, added.semiMajorAxis) &&
                           sameBits(back.inverseFlattening, added.inverseFlattening));
    }

    // The same bytes as the program's own list file.
    EllipsoidList stored;
    stored.addOrReplaceEllipsoid(builtInEllipsoid());
    loadStoredEllipsoids(file.path(), stored, notifier);
    EllipsoidMenu storedMenu;
    storedMenu.addItemsFor(stored);
    for (const Ellipsoid& e : stored)
        ellipsoidFieldTexts(e);

    compareSources<Ellipsoid>(bytes, kEllipsoidMarker, [](ByteSource& in, Ellipsoid& e) {
        return readEllipsoidRecord(in, e);
    });
    return 0;
}

}  // namespace tessara::fuzz
