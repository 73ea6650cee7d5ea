#pragma once

#include <QDialog>

namespace Ui {
class TfNewPodgrup;
}
class QKeyEvent;

// Names a new subgroup, or renames a subgroup and may move it into another group or make it
// a group. The caption is the mode: CaptionNew or CaptionEdit.
class TfNewPodgrup : public QDialog {
    Q_OBJECT
public:
    static const QString CaptionNew;  // "Добавление новой подгруппы"
    static const QString CaptionEdit; // "Редактирование подгруппы"

    explicit TfNewPodgrup(QWidget *parent = nullptr);
    ~TfNewPodgrup() override;

    Ui::TfNewPodgrup *ui;

    void FormShow();
    void ButOK1Click();
    bool EdPodgrupKeyDown(QKeyEvent *event);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TfNewPodgrup *fNewPodgrup;
