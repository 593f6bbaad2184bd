#pragma once

#include "values/formatting.h"

#include <QDialog>

#include <array>

QT_BEGIN_NAMESPACE
class QGridLayout;
class QGroupBox;
class QLabel;
class QSpinBox;
QT_END_NAMESPACE

namespace tessara {

struct PrecisionDialogValues {
    bool itrfToGda = true;
    OutputPrecision precision;
};

// "Options - Precision": the numbers of decimals of one direction's output,
// each with an example of what it resolves. A stored value above a field's
// range (the cartesian default of 4 against a range of 0 to 3) is pulled back
// to the range's top, while its example still describes the stored value.
class CPrecisionDialog : public QDialog {
    Q_OBJECT

public:
    explicit CPrecisionDialog(QWidget* parent = nullptr);

    void setValue(const PrecisionDialogValues& values);
    PrecisionDialogValues value() const;

    // The field and example of a row, for tests.
    QSpinBox* field(PrecisionField which) const;
    QLabel* example(PrecisionField which) const;

private:
    struct Row {
        QSpinBox* field = nullptr;
        QLabel* example = nullptr;
    };
    static constexpr int kRows = 5;

    Row& row(PrecisionField which);
    const Row& row(PrecisionField which) const;
    void addRow(QGridLayout& grid, int line, const QString& caption, PrecisionField which);
    // Shows a value in a field: at most the field's top, the example for the
    // value as given.
    void show(PrecisionField which, long value);

    bool itrfToGda_ = true;
    QGroupBox* group_ = nullptr;
    std::array<Row, kRows> rows_{};
};

}  // namespace tessara
