#include "filetransform/dialogs/output_format_dialog.h"

#include "params/notifier.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace tessara {
namespace {

// In the order of AngleNotation and of FileHemisphereStyle.
constexpr std::array<const char*, 5> kNotations{
    "Degrees, minutes, seconds", "Degrees, decimal minutes", "Decimal degrees",
    "Degrees, minutes, seconds (HP)", "Degrees, decimal minutes (HP)"};
constexpr std::array<const char*, 3> kHemispheres{"Latitude S\nLongitude E\n(no signs)",
                                                  "Show sign for hemisphere\n(South -)",
                                                  "Show letter for hemisphere"};

template <std::size_t N>
QGroupBox* optionGroup(const QString& title, const QString& objectName,
                       const std::array<const char*, N>& captions, QButtonGroup*& buttons)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(objectName);
    auto* layout = new QVBoxLayout(box);
    buttons = new QButtonGroup(box);
    for (std::size_t i = 0; i < N; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(captions[i]));
        option->setObjectName(objectName + QString::number(i));
        buttons->addButton(option, static_cast<int>(i));
        layout->addWidget(option);
    }
    layout->addStretch();
    return box;
}

QSpinBox* decimalsSpin(const QString& objectName, int maximum)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(objectName);
    spin->setRange(0, maximum);
    return spin;
}

}  // namespace

COutputFormatDialog::COutputFormatDialog(Notifier& notifier, QWidget* parent)
    : QDialog(parent), notifier_(notifier)
{
    setWindowTitle(QStringLiteral("Select coordinate type and format for output file"));

    geographic_ =
        new QCheckBox(QStringLiteral("Geographic (Latitude/Longitude/Ellipsoidal Height)"));
    geographic_->setObjectName(QStringLiteral("geographicBox"));
    cartesian_ = new QCheckBox(QStringLiteral("Cartesian (XYZ)"));
    cartesian_->setObjectName(QStringLiteral("cartesianBox"));
    header_ = new QCheckBox(QStringLiteral("Include header"));
    header_->setObjectName(QStringLiteral("headerBox"));
    auto* kinds = new QVBoxLayout;
    kinds->addWidget(geographic_);
    kinds->addWidget(cartesian_);
    kinds->addWidget(header_);

    notationBox_ =
        optionGroup(QStringLiteral(" Format "), QStringLiteral("notation"), kNotations, notations_);
    hemisphereBox_ = optionGroup(QStringLiteral(" Hemisphere "), QStringLiteral("hemisphere"),
                                 kHemispheres, hemispheres_);

    cartesianDecimals_ = decimalsSpin(QStringLiteral("cartesianDecimals"), 3);
    degreesDecimals_ = decimalsSpin(QStringLiteral("degreesDecimals"), 8);
    minutesDecimals_ = decimalsSpin(QStringLiteral("minutesDecimals"), 7);
    secondsDecimals_ = decimalsSpin(QStringLiteral("secondsDecimals"), 5);
    heightDecimals_ = decimalsSpin(QStringLiteral("heightDecimals"), 3);
    auto* precisionBox = new QGroupBox(QStringLiteral(" Precision (decimals) "));
    auto* precision = new QFormLayout(precisionBox);
    precision->addRow(QStringLiteral("XYZ"), cartesianDecimals_);
    precision->addRow(QStringLiteral("Degrees"), degreesDecimals_);
    precision->addRow(QStringLiteral("Minutes"), minutesDecimals_);
    precision->addRow(QStringLiteral("Seconds"), secondsDecimals_);
    precision->addRow(QStringLiteral("Height"), heightDecimals_);

    auto* groups = new QHBoxLayout;
    groups->addWidget(notationBox_);
    groups->addWidget(hemisphereBox_);
    groups->addWidget(precisionBox);

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("helpButton"));
    help->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    buttons->addButton(help, QDialogButtonBox::HelpRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addLayout(groups);
    layout->addWidget(buttons);

    connect(geographic_, &QCheckBox::toggled, this, &COutputFormatDialog::followBoxes);
    connect(cartesian_, &QCheckBox::toggled, this, &COutputFormatDialog::followBoxes);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { notifier_.showMessage("Help not yet available"); });
    setValue(OutputFileFormat{});
}

void COutputFormatDialog::setValue(const OutputFileFormat& format)
{
    geographic_->setChecked(format.geographic);
    cartesian_->setChecked(format.cartesian);
    header_->setChecked(format.includeHeader);
    if (QAbstractButton* b = notations_->button(static_cast<int>(format.notation)))
        b->setChecked(true);
    if (QAbstractButton* b = hemispheres_->button(static_cast<int>(format.hemisphere)))
        b->setChecked(true);
    cartesianDecimals_->setValue(format.precision.cartesian);
    degreesDecimals_->setValue(format.precision.degrees);
    minutesDecimals_->setValue(format.precision.minutes);
    secondsDecimals_->setValue(format.precision.seconds);
    heightDecimals_->setValue(format.precision.height);
    followBoxes();
}

OutputFileFormat COutputFormatDialog::value() const
{
    OutputFileFormat format;
    format.geographic = geographic_->isChecked();
    format.cartesian = cartesian_->isChecked();
    format.includeHeader = header_->isChecked();
    format.notation = static_cast<AngleNotation>(std::max(0, notations_->checkedId()));
    format.hemisphere = static_cast<FileHemisphereStyle>(std::max(0, hemispheres_->checkedId()));
    format.precision.cartesian = cartesianDecimals_->value();
    format.precision.degrees = degreesDecimals_->value();
    format.precision.minutes = minutesDecimals_->value();
    format.precision.seconds = secondsDecimals_->value();
    format.precision.height = heightDecimals_->value();
    return format;
}

void COutputFormatDialog::followBoxes()
{
    notationBox_->setEnabled(geographic_->isChecked());
    hemisphereBox_->setEnabled(geographic_->isChecked());
    ok_->setEnabled(geographic_->isChecked() || cartesian_->isChecked());
}

}  // namespace tessara
