#include "values/dialogs/format_dialog.h"

#include "params/notifier.h"
#include "widgets/text_conversion.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessara {

CFormatDialog::CFormatDialog(Notifier& notifier, QWidget* parent)
    : QDialog(parent), notifier_(notifier)
{
    inputBox_ = notationGroup(inputButtons_);
    outputBox_ = notationGroup(outputButtons_);
    inputBox_->setObjectName(QStringLiteral("inputGroup"));
    outputBox_->setObjectName(QStringLiteral("outputGroup"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(inputBox_);
    groups->addWidget(outputBox_);

    note_ = new QLabel(
        QStringLiteral("Note - Values will be calculated automatically when the input or "
                       "output format changes"));
    note_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help |
                                         QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &CFormatDialog::showHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    setValue(values_);
}

QGroupBox* CFormatDialog::notationGroup(QButtonGroup*& buttons)
{
    auto* box = new QGroupBox;
    auto* layout = new QGridLayout(box);
    buttons = new QButtonGroup(box);
    for (int n = 0; n < kAngleNotationCount; ++n) {
        auto* option = new QRadioButton(toQString(angleNotationCaption(AngleNotation(n))));
        buttons->addButton(option, n);
        layout->addWidget(option, n, 0, 1, 2);
    }
    // The Australian convention fixes both hemispheres.
    layout->addWidget(new QLabel(QStringLiteral("Latitude")), kAngleNotationCount, 0);
    layout->addWidget(new QLabel(QStringLiteral("Always South for Australia")),
                      kAngleNotationCount, 1);
    layout->addWidget(new QLabel(QStringLiteral("Longitude")), kAngleNotationCount + 1, 0);
    layout->addWidget(new QLabel(QStringLiteral("Always East for Australia")),
                      kAngleNotationCount + 1, 1);
    layout->setColumnStretch(1, 1);
    return box;
}

void CFormatDialog::setValue(const FormatDialogValues& values)
{
    values_ = values;
    if (values.itrfToGda) {
        setWindowTitle(QStringLiteral("Options - Format (Tessara)"));
        inputBox_->setTitle(QStringLiteral(" Input - Geographic (ITRF) "));
        outputBox_->setTitle(QStringLiteral(" Output - Geographic (GDA) "));
    } else {
        setWindowTitle(QStringLiteral("Options - Format (GDA to ITRF)"));
        inputBox_->setTitle(QStringLiteral(" Input - Geographic (GDA) "));
        outputBox_->setTitle(QStringLiteral(" Output - Geographic (ITRF) "));
    }
    inputButtons_->button(static_cast<int>(values.input))->setChecked(true);
    outputButtons_->button(static_cast<int>(values.output))->setChecked(true);
    note_->setVisible(values.canCompute);
}

FormatDialogValues CFormatDialog::value() const
{
    FormatDialogValues values = values_;
    values.input = static_cast<AngleNotation>(inputButtons_->checkedId());
    values.output = static_cast<AngleNotation>(outputButtons_->checkedId());
    return values;
}

void CFormatDialog::showHelp()
{
    notifier_.showMessage("Help on formats not yet available");
}

}  // namespace tessara
