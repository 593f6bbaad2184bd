#pragma once

#include <QObject>

namespace tessara::testing {

QObject& parameterDialogsTest();
QObject& convertDialogTest();

}  // namespace tessara::testing
