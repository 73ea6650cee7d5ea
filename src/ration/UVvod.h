#pragma once

#include <QDialog>

namespace Ui {
class TfVvod;
}
class QKeyEvent;

// The entry dialog: puts a product into the current ration or changes one of its entries.
// The caption tells the mode.
class TfVvod : public QDialog {
    Q_OBJECT
public:
    explicit TfVvod(QWidget *parent = nullptr);
    ~TfVvod() override;

    Ui::TfVvod *ui;

    // Key of the saved ration the current ration belongs to; -1 for none.
    int IdRac = -1;
    // Index in ArrSave of the entry under edit; read only when confirming an edit.
    int EditIndex = 0;

    void FormCreate();
    void FormShow();
    void RGClick();
    void UDClick(bool up);
    void ButNowClick();
    void ButDaClick();
    void DTPKeyDown(QKeyEvent *event);
    void EdGrammKeyDown(QKeyEvent *event);
    // Key filters: true when the typed character is refused.
    bool EdGrammKeyPress(QKeyEvent *event);
    bool EDMeraKeyPress(QKeyEvent *event);

    // Fills CBMera with the measures of a product and proposes one of them.
    void FillMera(int idProd);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The captions that tell the dialog's mode.
extern const QString VvodAddCaption;
extern const QString VvodEditCaption;

extern TfVvod *fVvod;
