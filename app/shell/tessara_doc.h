#pragma once

#include <QObject>

namespace tessara {

// The program's one document. The main form holds every piece of state, so
// the document holds nothing; it is kept so that the application, the frame
// and the form are made in the usual single-document way.
class CTessaraDoc : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
};

}  // namespace tessara
