#pragma once

#include <QDialog>

QT_BEGIN_NAMESPACE
class QButtonGroup;
QT_END_NAMESPACE

namespace tessara {

// "Set font size": Small (8), Medium (10) or Large (12) points, each
// caption drawn in a size that shows what it offers. A size that is none of
// the three selects no option and is kept unless one is chosen.
class CFontSizeDialog : public QDialog {
    Q_OBJECT

public:
    explicit CFontSizeDialog(QWidget* parent = nullptr);

    void setValue(int points);
    int value() const { return points_; }

private:
    QButtonGroup* sizes_ = nullptr;
    int points_ = 8;
};

}  // namespace tessara
