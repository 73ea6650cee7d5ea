#pragma once

#include <QDialog>

namespace Ui {
class TfSaveRacion;
}
class QKeyEvent;
class QMenu;

// Saves the current ration under a name, or loads, previews and deletes saved rations. The
// caption tells the mode.
class TfSaveRacion : public QDialog {
    Q_OBJECT
public:
    explicit TfSaveRacion(QWidget *parent = nullptr);
    ~TfSaveRacion() override;

    Ui::TfSaveRacion *ui;
    // The composition preview of the clicked saved ration.
    QMenu *PMSostav;

    // Where the opening button puts the tree: over the name field in load mode, over the
    // deletion hint in save mode.
    void PlaceTree(int top, int height);
    // The outer rectangle the dialog had when last shown, or would have when shown now.
    QRect LastRect() const;

    void FormShow();
    void TVSaveRacClick();
    void ButDaClick();
    void TVSaveRacDblClick();
    void TVSaveRacKeyDown(QKeyEvent *event);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Save();
    void Load();
    bool fEverShown = false;
};

extern TfSaveRacion *fSaveRacion;
