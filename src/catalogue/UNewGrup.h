#pragma once

#include <QDialog>

namespace Ui {
class TfNewGrup;
}
class QKeyEvent;

// Names a new group, or renames a group and may put it into another group as a subgroup.
// The caption is the mode: CaptionNew or CaptionEdit.
class TfNewGrup : public QDialog {
    Q_OBJECT
public:
    static const QString CaptionNew;  // "Добавление новой группы"
    static const QString CaptionEdit; // "Редактирование группы"

    explicit TfNewGrup(QWidget *parent = nullptr);
    ~TfNewGrup() override;

    Ui::TfNewGrup *ui;

    void FormShow();
    void ButOK1Click();
    void ButCancel1Click();
    bool EdNewGrupKeyDown(QKeyEvent *event);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TfNewGrup *fNewGrup;
