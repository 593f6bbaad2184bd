#include "params/ellipsoid_list_file.h"

#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list.h"
#include "params/list_file.h"

namespace tessara {
namespace {

bool readWholeEllipsoid(ByteSource& in)
{
    Ellipsoid ellipsoid;
    return readEllipsoidRecord(in, ellipsoid) == RecordRead::Complete;
}

}  // namespace

void loadStoredEllipsoids(const std::string& path, EllipsoidList& list, Notifier& notifier)
{
    loadListFile<Ellipsoid>(
        path, kEllipsoidMarker, kEllipsoidFileIncorrect, notifier,
        [](ByteSource& in, Ellipsoid& ellipsoid) { return readEllipsoidRecord(in, ellipsoid); },
        [&](Ellipsoid& ellipsoid) {
            ellipsoid.builtIn = false;
            validate(ellipsoid);
            list.addOrReplaceEllipsoid(ellipsoid);
        });
}

bool appendStoredEllipsoid(const std::string& path, const Ellipsoid& ellipsoid,
                           Notifier& notifier)
{
    Ellipsoid written = ellipsoid;
    std::string record;
    writeEllipsoidRecord(record, written);
    return appendListRecord(path, kEllipsoidMarker, record, &readWholeEllipsoid, notifier);
}

}  // namespace tessara
