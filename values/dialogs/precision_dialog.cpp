#include "values/dialogs/precision_dialog.h"

#include "widgets/labels.h"
#include "widgets/text_conversion.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tessara {
CPrecisionDialog::CPrecisionDialog(QWidget* parent) : QDialog(parent)
{
    auto* intro = new QLabel(
        QStringLiteral("Select the number of decimal places to be displayed on output.\n"
                       "Examples of precision are only approximate."));

    group_ = new QGroupBox;
    auto* grid = new QGridLayout(group_);
    grid->addWidget(boldLabel(QStringLiteral("Cartesian (XYZ)")), 0, 0, 1, 3);
    addRow(*grid, 1, QStringLiteral("Metres"), PrecisionField::Cartesian);
    grid->addWidget(boldLabel(QStringLiteral("Geographic (Lat/Long)")), 2, 0, 1, 3);
    addRow(*grid, 3, QStringLiteral("Decimal degrees"), PrecisionField::Degrees);
    addRow(*grid, 4, QStringLiteral("Decimal minutes"), PrecisionField::Minutes);
    addRow(*grid, 5, QStringLiteral("Decimal seconds"), PrecisionField::Seconds);
    grid->addWidget(boldLabel(QStringLiteral("Height")), 6, 0, 1, 3);
    addRow(*grid, 7, QStringLiteral("Metres"), PrecisionField::Height);
    grid->setColumnStretch(2, 1);

    // Help has nothing to show yet; the button is there as users know it.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help |
                                         QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(group_);
    layout->addWidget(buttons);
    setValue({});
}

void CPrecisionDialog::addRow(QGridLayout& grid, int line, const QString& caption,
                              PrecisionField which)
{
    Row& r = row(which);
    r.field = new QSpinBox;
    r.field->setRange(0, precisionFieldMaximum(which));
    r.example = new QLabel;
    r.example->setMinimumWidth(r.example->fontMetrics().horizontalAdvance(
        QStringLiteral("0.00000001 degree = 1 mm ")));
    auto* label = new QLabel(caption);
    label->setBuddy(r.field);
    grid.addWidget(label, line, 0);
    grid.addWidget(r.field, line, 1);
    grid.addWidget(r.example, line, 2);
    connect(r.field, &QSpinBox::valueChanged, this, [this, which](int value) {
        show(which, value);
    });
}

CPrecisionDialog::Row& CPrecisionDialog::row(PrecisionField which)
{
    return rows_[static_cast<std::size_t>(which)];
}

const CPrecisionDialog::Row& CPrecisionDialog::row(PrecisionField which) const
{
    return rows_[static_cast<std::size_t>(which)];
}

QSpinBox* CPrecisionDialog::field(PrecisionField which) const { return row(which).field; }

QLabel* CPrecisionDialog::example(PrecisionField which) const { return row(which).example; }

void CPrecisionDialog::show(PrecisionField which, long value)
{
    Row& r = row(which);
    {
        const QSignalBlocker quiet(r.field);
        r.field->setValue(static_cast<int>(std::clamp<long>(value, 0, r.field->maximum())));
    }
    // A value without an example row leaves the example as it was.
    if (const auto text = precisionExample(which, value))
        r.example->setText(toQString(*text));
}

void CPrecisionDialog::setValue(const PrecisionDialogValues& values)
{
    itrfToGda_ = values.itrfToGda;
    setWindowTitle(values.itrfToGda ? QStringLiteral("Options - Precision (Tessara)")
                                    : QStringLiteral("Options - Precision (GDA to ITRF)"));
    group_->setTitle(values.itrfToGda ? QStringLiteral(" Precision - Output (GDA) ")
                                      : QStringLiteral(" Precision - Output (ITRF) "));
    const OutputPrecision& p = values.precision;
    show(PrecisionField::Cartesian, p.cartesian);
    show(PrecisionField::Height, p.height);
    show(PrecisionField::Degrees, p.degrees);
    show(PrecisionField::Minutes, p.minutes);
    show(PrecisionField::Seconds, p.seconds);
}

PrecisionDialogValues CPrecisionDialog::value() const
{
    PrecisionDialogValues values;
    values.itrfToGda = itrfToGda_;
    values.precision.cartesian = field(PrecisionField::Cartesian)->value();
    values.precision.height = field(PrecisionField::Height)->value();
    values.precision.degrees = field(PrecisionField::Degrees)->value();
    values.precision.minutes = field(PrecisionField::Minutes)->value();
    values.precision.seconds = field(PrecisionField::Seconds)->value();
    return values;
}

}  // namespace tessara
