#pragma once

#include <QDialog>

namespace Ui {
class TfLevelGrup;
}
class QButtonGroup;

// Asks whether a new group or a new subgroup is wanted; the choice stays for the next time.
class TfLevelGrup : public QDialog {
    Q_OBJECT
public:
    explicit TfLevelGrup(QWidget *parent = nullptr);
    ~TfLevelGrup() override;

    Ui::TfLevelGrup *ui;
    // The items of RadioGroup1: 0 "группу", 1 "подгруппу".
    QButtonGroup *RadioGroup1Items;

    int ItemIndex() const;
};

extern TfLevelGrup *fLevelGrup;
