#pragma once

#include <QAction>
#include <QMainWindow>

namespace Ui {
class TfMain;
}
class QKeyEvent;
class QTreeWidgetItem;
class TAnchors;

// The main window. Its handlers are spread over the subsystems they belong to:
// frame and start-up here, the catalogue in catalogue/UMainCatalogue.cpp, the ration in
// ration/UMainRation.cpp, saved rations in saved/UMainSaved.cpp, the ready dish in
// dish/UMainDish.cpp. Each file connects its own controls in its Connect… function.
class TfMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMain(QWidget *parent = nullptr);
    ~TfMain() override;

    Ui::TfMain *ui;

    // true while the current ration has no unsaved changes.
    bool Saved = true;

    // Named actions; other windows run them with trigger().
    QAction *APaintTVGrup;
    QAction *APaintCBGrup;
    QAction *APaintTVProd;
    QAction *APaintLVRAc;
    QAction *ANoEnable;
    QAction *AEnable;
    QAction *ADeleteRac;

    // Start-up and frame.
    void FormCreate();
    void ScreenAdaptation(int screenWidth, int screenHeight);
    void FormCanResize(int newWidth);
    void XiButton1Click();

    // Group tree.
    void APaintTVGrupExecute();
    void APaintCBGrupExecute();
    void TVGrupClick();
    void ButVerhClick();
    void ButVnizClick();
    // Group editing.
    void ButNewGrup1Click();
    void ButEditGrupClick();
    void ButDelGrupClick();
    // Products.
    void APaintTVProdExecute();
    void ButNewProdClick();
    void ButEditProdClick();
    void ButDelProdClick();
    void LVProdClick();
    void LVProdKeyPress(QKeyEvent *event);
    void LVProdKeyDown(QKeyEvent *event);

    // Ration list view.
    void APaintLVRAcExecute();
    void CB1Click();
    void CB2Click();
    void CBProcClick();
    // Ration entry.
    void ButvRacClick();
    void LVProdDblClick();
    void LVRacDblClick();
    // Ration commands.
    void LVRacKeyDown(QKeyEvent *event);
    void ButClearClick();
    void ANoEnableExecute();
    void AEnableExecute();
    void ADeleteRacExecute();
    bool FormCloseQuery();
    void FormClose();

    // Saved rations.
    void ButSaveClick();
    void ButSaveKakClick();
    void ButLoadClick();

    // Ready dish.
    void ButSloznClick();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ConnectCatalogue();
    void ConnectRation();
    void ConnectSaved();
    void ConnectDish();
    // Lays the areas out as docked panels do: the top strip across, the groups area on its
    // left, the ration area filling the rest.
    void Dock();

    TAnchors *fAnchors;
    bool fShown = false;
};

extern TfMain *fMain;
