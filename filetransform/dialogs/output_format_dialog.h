#pragma once

#include "filetransform/file_output.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
QT_END_NAMESPACE

namespace tessara {

class Notifier;

// "Select coordinate type and format for output file": what output files
// hold (geographic and cartesian coordinates, the header), the notation and
// hemisphere style of their angles, and the five precisions. OK is enabled
// while at least one kind of coordinates is ticked.
class COutputFormatDialog : public QDialog {
    Q_OBJECT

public:
    explicit COutputFormatDialog(Notifier& notifier, QWidget* parent = nullptr);

    void setValue(const OutputFileFormat& format);
    OutputFileFormat value() const;

private:
    // The notation and hemisphere groups follow the geographic box; OK
    // follows both boxes.
    void followBoxes();

    Notifier& notifier_;
    QCheckBox* geographic_ = nullptr;
    QCheckBox* cartesian_ = nullptr;
    QCheckBox* header_ = nullptr;
    QGroupBox* notationBox_ = nullptr;
    QGroupBox* hemisphereBox_ = nullptr;
    QButtonGroup* notations_ = nullptr;
    QButtonGroup* hemispheres_ = nullptr;
    QSpinBox* cartesianDecimals_ = nullptr;
    QSpinBox* degreesDecimals_ = nullptr;
    QSpinBox* minutesDecimals_ = nullptr;
    QSpinBox* secondsDecimals_ = nullptr;
    QSpinBox* heightDecimals_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace tessara
