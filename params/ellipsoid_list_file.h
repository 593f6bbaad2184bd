#pragma once

#include "records/records.h"

#include <string>
#include <string_view>

namespace tessara {

class EllipsoidList;
class Notifier;

// The program's list of added ellipsoids, in its folder: the ellipsoid
// marker, then one ellipsoid record per import or new entry. Only ever
// appended to, read-only between appends; the last record of a name wins.
inline constexpr std::string_view kEllipsoidListFileName = "ellipsoids.tessara";

// Reads every complete record of the list file into the list: each becomes
// not built in, gets the ellipsoid validity rule and goes through
// addOrReplaceEllipsoid (so one named like a built-in ellipsoid is ignored,
// silently). A missing file loads nothing and says nothing; a wrong marker is
// reported and loads nothing; a record cut short at the end is dropped; a
// file error is reported and ends the loading.
void loadStoredEllipsoids(const std::string& path, EllipsoidList& list, Notifier& notifier);

// Appends one ellipsoid, with a fresh checksum, to the list file. A file error
// is reported with the platform's text; the file then keeps its previous
// content. Returns success.
bool appendStoredEllipsoid(const std::string& path, const Ellipsoid& ellipsoid,
                           Notifier& notifier);

}  // namespace tessara
