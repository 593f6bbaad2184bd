#pragma once

#include <QIcon>

namespace tessara {

// The program's icon: a globe with its graticule, drawn at run time.
QIcon programIcon();

}  // namespace tessara
