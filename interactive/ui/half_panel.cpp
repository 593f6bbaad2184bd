#include "interactive/ui/half_panel.h"

#include "widgets/name_items.h"
#include "widgets/numeric_edit.h"
#include "interactive/ui/angle_row.h"
#include "interactive/ui/display_numbers.h"
#include "widgets/labels.h"
#include "widgets/text_conversion.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessara {
namespace {

// Decimals a typed X, Y, Z or height takes: a tenth of a millimetre.
constexpr int kMetresDecimals = 4;

// Hidden, but keeping its place in the layout.
void hideKeepingPlace(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    widget->hide();
}

}  // namespace

HalfPanel::HalfPanel(Half half, QWidget* parent) : QWidget(parent), half_(half)
{
    const bool itrf = half == Half::Itrf;
    direction_ = new QPushButton(itrf ? QStringLiteral("ITRF -> GDA94")
                                      : QStringLiteral("ITRF <- GDA94"));
    direction_->setObjectName(name("Direction"));
    direction_->setCheckable(true);
    connect(direction_, &QPushButton::clicked, this, &HalfPanel::directionClicked);

    group_ = new QGroupBox;
    group_->setObjectName(name("Group"));
    identifier_ = new QLineEdit;
    identifier_->setObjectName(name("Identifier"));
    auto* identifierRow = new QFormLayout;
    identifierRow->addRow(QStringLiteral("Identifier"), identifier_);

    typeButtons_ = new QButtonGroup(this);
    auto* typeRow = new QHBoxLayout;
    const QString types[2] = {QStringLiteral("Cartesian (XYZ)"),
                              QStringLiteral("Geographic (Lat/Long/Ht)")};
    for (int type = 0; type < 2; ++type) {
        auto* button = new QRadioButton(types[type]);
        button->setObjectName(name(type == 0 ? "TypeCartesian" : "TypeGeographic"));
        typeButtons_->addButton(button, type);
        typeRow->addWidget(button);
    }
    typeRow->addStretch();
    connect(typeButtons_, &QButtonGroup::idClicked, this,
            [this](int type) { emit inputTypeChosen(static_cast<InputType>(type)); });

    auto* body = new QVBoxLayout(group_);
    body->addLayout(identifierRow);
    body->addLayout(typeRow);
    body->addWidget(cartesianGroup());
    body->addWidget(geographicGroup());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(direction_);
    layout->addWidget(headerRows());
    layout->addWidget(group_);
    fitWidths();
}

void HalfPanel::fitWidths()
{
    for (CNumericEdit* edit : {x_, y_, z_, height_})
        fitWidthTo(*edit, QStringLiteral("-0000000.0000"));
    fitWidthTo(*epoch_, QStringLiteral("00/00/0000"));
}

void HalfPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWidths();
}

QString HalfPanel::name(const char* suffix) const
{
    return (half_ == Half::Itrf ? QStringLiteral("itrf") : QStringLiteral("gda")) +
           QLatin1String(suffix);
}

QWidget* HalfPanel::headerRows()
{
    auto* header = new QWidget;
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);

    list_ = new QComboBox;
    list_->setObjectName(name("ParameterList"));
    list_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(list_, &QComboBox::activated, this, &HalfPanel::parameterSetChosen);
    notValid_ = new QLabel(QStringLiteral("Not valid!"));
    notValid_->setObjectName(name("NotValid"));
    makeRedNote(*notValid_);
    setBold(*notValid_);
    hideKeepingPlace(notValid_);
    grid->addWidget(list_, 0, 0, 1, 2);
    grid->addWidget(notValid_, 0, 2, 1, 2);

    auto* epochLabel = new QLabel(QStringLiteral("Epoch"));
    epoch_ = new QLineEdit;
    epoch_->setObjectName(name("Epoch"));
    epochLabel->setBuddy(epoch_);
    connect(epoch_, &QLineEdit::textChanged, this, &HalfPanel::textChanged);
    epochButtons_ = new QButtonGroup(this);
    auto* dayMonthYear = new QRadioButton(QStringLiteral("dd/mm/yyyy"));
    auto* decimalYear = new QRadioButton(QStringLiteral("Dec"));
    dayMonthYear->setObjectName(name("EpochDayMonthYear"));
    decimalYear->setObjectName(name("EpochDecimalYear"));
    epochButtons_->addButton(dayMonthYear, static_cast<int>(EpochMode::DayMonthYear));
    epochButtons_->addButton(decimalYear, static_cast<int>(EpochMode::DecimalYear));
    connect(epochButtons_, &QButtonGroup::idClicked, this,
            [this](int mode) { emit epochNotationChosen(static_cast<EpochMode>(mode)); });
    grid->addWidget(epochLabel, 1, 0);
    grid->addWidget(epoch_, 1, 1);
    grid->addWidget(dayMonthYear, 1, 2);
    grid->addWidget(decimalYear, 1, 3);
    grid->setColumnStretch(1, 1);

    // The GDA94 half's list and epoch take part in nothing.
    if (half_ == Half::Gda) {
        for (QWidget* hidden : {static_cast<QWidget*>(list_), static_cast<QWidget*>(epochLabel),
                                static_cast<QWidget*>(epoch_),
                                static_cast<QWidget*>(dayMonthYear),
                                static_cast<QWidget*>(decimalYear)})
            hideKeepingPlace(hidden);
    }
    return header;
}

CNumericEdit* HalfPanel::metresField(const char* suffix)
{
    auto* edit = new CNumericEdit;
    edit->setObjectName(name(suffix));
    edit->setAllowNegative(true);
    edit->setDecimalPlaces(kMetresDecimals);
    connect(edit, &QLineEdit::textChanged, this, &HalfPanel::textChanged);
    return edit;
}

QGroupBox* HalfPanel::cartesianGroup()
{
    cartesian_ = new QGroupBox(QStringLiteral(" Cartesian Coordinates "));
    x_ = metresField("X");
    y_ = metresField("Y");
    z_ = metresField("Z");
    toGeographic_ = new QPushButton(half_ == Half::Itrf ? QStringLiteral("To Lat/Long ")
                                                        : QStringLiteral("To Lat/Long"));
    toGeographic_->setObjectName(name("ToLatLong"));
    connect(toGeographic_, &QPushButton::clicked, this,
            [this] { emit sameHalfClicked(SameHalfTarget::Geographic); });

    auto* grid = new QGridLayout(cartesian_);
    const QString captions[3] = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    CNumericEdit* fields[3] = {x_, y_, z_};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(captions[row]), row, 0);
        grid->addWidget(fields[row], row, 1);
    }
    grid->addWidget(toGeographic_, 1, 2);
    grid->setColumnStretch(1, 1);
    return cartesian_;
}

QGroupBox* HalfPanel::geographicGroup()
{
    geographic_ = new QGroupBox(QStringLiteral(" Latitude/Longitude/Ht "));
    latitude_ = new AngleRow(Axis::Latitude, name("Latitude"));
    longitude_ = new AngleRow(Axis::Longitude, name("Longitude"));
    height_ = metresField("Height");
    toCartesian_ = new QPushButton(QStringLiteral("To XYZ"));
    toCartesian_->setObjectName(name("ToXyz"));
    connect(toCartesian_, &QPushButton::clicked, this,
            [this] { emit sameHalfClicked(SameHalfTarget::Cartesian); });
    connect(latitude_, &AngleRow::textChanged, this, &HalfPanel::textChanged);
    connect(longitude_, &AngleRow::textChanged, this, &HalfPanel::textChanged);
    connect(latitude_, &AngleRow::sideChosen, this, &HalfPanel::latitudeSideChosen);
    connect(longitude_, &AngleRow::sideChosen, this, &HalfPanel::longitudeSideChosen);

    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(new QLabel(QStringLiteral("Ellipsoidal Height")));
    heightRow->addWidget(height_, 1);
    heightRow->addWidget(toCartesian_);

    auto* layout = new QVBoxLayout(geographic_);
    layout->addWidget(latitude_);
    layout->addWidget(longitude_);
    layout->addLayout(heightRow);
    return geographic_;
}

void HalfPanel::focusX() { x_->setFocus(); }

void HalfPanel::readTexts(FormTexts& texts) const
{
    HalfTexts& half = texts.half(half_);
    half.identifier = toStdString(identifier_->text());
    half.x = fromDisplayNumber(x_->text());
    half.y = fromDisplayNumber(y_->text());
    half.z = fromDisplayNumber(z_->text());
    latitude_->readTexts(half.latitude);
    longitude_->readTexts(half.longitude);
    half.height = fromDisplayNumber(height_->text());
    if (half_ == Half::Itrf)
        texts.epoch = toStdString(epoch_->text());
}

void HalfPanel::writeTexts(const FormTexts& texts)
{
    const HalfTexts& half = texts.half(half_);
    setTextKeepingCaret(*identifier_, toQString(half.identifier));
    setTextKeepingCaret(*x_, toDisplayNumber(half.x));
    setTextKeepingCaret(*y_, toDisplayNumber(half.y));
    setTextKeepingCaret(*z_, toDisplayNumber(half.z));
    latitude_->writeTexts(half.latitude);
    longitude_->writeTexts(half.longitude);
    setTextKeepingCaret(*height_, toDisplayNumber(half.height));
    if (half_ == Half::Itrf)
        setTextKeepingCaret(*epoch_, toQString(texts.epoch));
}

void HalfPanel::showList(const NameList& list)
{
    const QSignalBlocker quiet(list_);
    // The entries are compared by their stored bytes: two names can look
    // alike once decoded or cut.
    bool same = list_->count() == list.size();
    for (int i = 0; same && i < list.size(); ++i)
        same = nameAt(*list_, i) == list.at(i);
    if (!same) {
        list_->clear();
        for (const std::string& entry : list.names())
            addNameItem(*list_, entry);
    }
    list_->setCurrentIndex(list.selectedIndex());
    list_->setToolTip(list_->itemData(list_->currentIndex(), Qt::ToolTipRole).toString());
}

void HalfPanel::showState(const InteractiveForm& form)
{
    const HalfLayout layout = form.layout(half_);
    const DirectionSettings& group = inputGroupOf(form.settings(), half_);
    const bool itrf = half_ == Half::Itrf;

    const bool active = form.itrfToGda() == itrf;
    direction_->setChecked(active);
    setBold(*direction_, active);
    showList(itrf ? form.parameterList() : form.hiddenParameterList());
    notValid_->setVisible(form.notValidShown(half_));
    if (QAbstractButton* epochButton = epochButtons_->button(static_cast<int>(form.epochNotation())))
        epochButton->setChecked(true);

    group_->setTitle(toQString(layout.groupCaption));
    // The output identifier is filled by the form like the output values and
    // looks and copies like them; only the input one is typed into.
    identifier_->setEnabled(layout.identifierEnabled || layout.readOnly);
    setFilledByForm(*identifier_, layout.readOnly);
    if (QAbstractButton* typeButton = typeButtons_->button(static_cast<int>(group.inputType)))
        typeButton->setChecked(true);
    for (QAbstractButton* button : typeButtons_->buttons())
        button->setEnabled(layout.typeButtonsEnabled);

    for (CNumericEdit* edit : {x_, y_, z_}) {
        edit->setEnabled(layout.cartesianEnabled);
        setFilledByForm(*edit, layout.readOnly);
    }
    for (AngleRow* row : {latitude_, longitude_}) {
        row->setFieldsEnabled(layout.geographicEnabled);
        row->setReadOnly(layout.readOnly);
        row->setFieldSet(layout.angleFields);
    }
    height_->setEnabled(layout.geographicEnabled);
    setFilledByForm(*height_, layout.readOnly);
    latitude_->setCaption(layout.latitudeLabel);
    longitude_->setCaption(layout.longitudeLabel);
    latitude_->setSide(layout.latitudeSide, static_cast<int>(group.latitudeSelector));
    longitude_->setSide(layout.longitudeSide, static_cast<int>(group.longitudeSelector));

    toGeographic_->setEnabled(form.sameHalfEnabled(half_, SameHalfTarget::Geographic));
    toCartesian_->setEnabled(form.sameHalfEnabled(half_, SameHalfTarget::Cartesian));
}

}  // namespace tessara
