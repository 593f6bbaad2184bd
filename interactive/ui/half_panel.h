#pragma once

#include "interactive/interactive_form.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
QT_END_NAMESPACE

namespace tessara {

class AngleRow;
class CNumericEdit;

// One half of the main form: its direction button, the parameter-set list
// and the epoch (the GDA94 half keeps both hidden, holding their place so
// that the halves line up), and the group box with the identifier, the
// input type, the cartesian and the geographic fields and the same-half
// buttons. Object names start with "itrf" or "gda".
class HalfPanel : public QWidget {
    Q_OBJECT

public:
    explicit HalfPanel(Half half, QWidget* parent = nullptr);

    void readTexts(FormTexts& texts) const;
    void writeTexts(const FormTexts& texts);
    // Layout, captions, enabled states, the list and the check marks.
    void showState(const InteractiveForm& form);

    QLineEdit* epochField() const { return epoch_; }
    QLineEdit* identifierField() const { return identifier_; }
    QComboBox* parameterList() const { return list_; }
    void focusX();

signals:
    void directionClicked();
    void parameterSetChosen(int index);
    void epochNotationChosen(EpochMode mode);
    void inputTypeChosen(InputType type);
    void latitudeSideChosen(int side);
    void longitudeSideChosen(int side);
    void sameHalfClicked(SameHalfTarget target);
    // A coordinate field or the epoch changed; the identifier does not count.
    void textChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    QString name(const char* suffix) const;
    // Widths that follow the font: the form takes its font after it is built.
    void fitWidths();
    QWidget* headerRows();
    QGroupBox* cartesianGroup();
    QGroupBox* geographicGroup();
    CNumericEdit* metresField(const char* suffix);
    void showList(const NameList& list);

    Half half_;
    QPushButton* direction_ = nullptr;
    QComboBox* list_ = nullptr;
    QLabel* notValid_ = nullptr;
    QLineEdit* epoch_ = nullptr;
    QButtonGroup* epochButtons_ = nullptr;
    QGroupBox* group_ = nullptr;
    QLineEdit* identifier_ = nullptr;
    QButtonGroup* typeButtons_ = nullptr;
    CNumericEdit* x_ = nullptr;
    CNumericEdit* y_ = nullptr;
    CNumericEdit* z_ = nullptr;
    QGroupBox* cartesian_ = nullptr;
    QGroupBox* geographic_ = nullptr;
    AngleRow* latitude_ = nullptr;
    AngleRow* longitude_ = nullptr;
    CNumericEdit* height_ = nullptr;
    QPushButton* toGeographic_ = nullptr;
    QPushButton* toCartesian_ = nullptr;
};

}  // namespace tessara
