#pragma once

#include <QObject>

namespace tessara::testing {

// The widget test classes, one instance each.
QObject& mainFormTest();
QObject& shellTest();
QObject& dialogsTest();

}  // namespace tessara::testing
