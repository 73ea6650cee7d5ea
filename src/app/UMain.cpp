#include "UMain.h"
#include "ui_UMain.h"

#include "Anchors.h"
#include "Errors.h"
#include "ListView.h"
#include "Numbers.h"
#include "Paths.h"
#include "UDM.h"
#include "UMy.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>

TfMain *fMain = nullptr;

namespace {

QAction *MakeAction(TfMain *window, const char *name, void (TfMain::*handler)())
{
    auto *action = new QAction(window);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, window, handler);
    return action;
}

} // namespace

TfMain::TfMain(QWidget *parent) : QMainWindow(parent), ui(new Ui::TfMain)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Сытомир — дневник питания. Автор: Сытомир-команда, "
                                  "sytomir.example.org"));
    APaintTVGrup = MakeAction(this, "APaintTVGrup", &TfMain::APaintTVGrupExecute);
    APaintCBGrup = MakeAction(this, "APaintCBGrup", &TfMain::APaintCBGrupExecute);
    APaintTVProd = MakeAction(this, "APaintTVProd", &TfMain::APaintTVProdExecute);
    APaintLVRAc = MakeAction(this, "APaintLVRAc", &TfMain::APaintLVRAcExecute);
    ANoEnable = MakeAction(this, "ANoEnable", &TfMain::ANoEnableExecute);
    AEnable = MakeAction(this, "AEnable", &TfMain::AEnableExecute);
    ADeleteRac = MakeAction(this, "ADeleteRac", &TfMain::ADeleteRacExecute);

    QPalette red = ui->EProc->palette();
    red.setColor(QPalette::Text, Qt::red);
    red.setColor(QPalette::Base, QColor(253, 242, 198));
    ui->EProc->setPalette(red);

    fAnchors = new TAnchors(this);
    fAnchors->Anchor(ui->TVGrup, TAnchors::Bottom, true);
    for (QWidget *w :
         std::initializer_list<QWidget *>{ui->ButNewGrup1, ui->ButEditGrup, ui->ButDelGrup})
        fAnchors->Anchor(w, TAnchors::Bottom, false);
    fAnchors->Anchor(ui->LVRac, TAnchors::Right | TAnchors::Bottom, true);
    fAnchors->Anchor(ui->LVItog, TAnchors::Right | TAnchors::Bottom, true);
    fAnchors->Anchor(ui->Label3, TAnchors::Right, false);
    for (QWidget *w :
         std::initializer_list<QWidget *>{ui->CB1, ui->CB2, ui->Label2, ui->CBProc, ui->EProc})
        fAnchors->Anchor(w, TAnchors::Bottom, false);

    ConnectCatalogue();
    ConnectRation();
    ConnectSaved();
    ConnectDish();
    connect(ui->XiButton1, &QToolButton::clicked, this, &TfMain::XiButton1Click);
    ui->LVProd->installEventFilter(this);
    ui->LVRac->installEventFilter(this);
}

TfMain::~TfMain()
{
    delete ui;
}

void TfMain::FormCreate()
{
    const QRect screen = this->screen()->geometry();
    ScreenAdaptation(screen.width(), screen.height());

    try {
        DM->qSaveRac.SetSQL(QStringLiteral("DELETE FROM TAB_PROD where id_grup=0"));
        DM->qSaveRac.ExecSQL();
    } catch (const EAppError &) {
        // A missing database is reported by the next statement, the group tree's.
    }
    APaintTVGrup->trigger();

    const QString ini = AppDir() + QStringLiteral("setting.ini");
    const auto setBox = [&](QCheckBox *box, const char *key, void (TfMain::*click)()) {
        const bool checked = ReadIni(ini, QStringLiteral("lvRac"), QString::fromLatin1(key),
                                     QStringLiteral("1")) == QStringLiteral("1");
        if (box->isChecked() != checked) {
            box->setChecked(checked);
            (this->*click)();
        }
    };
    setBox(ui->CB1, "CB1", &TfMain::CB1Click);
    setBox(ui->CB2, "CB2", &TfMain::CB2Click);
    setBox(ui->CBProc, "CB4", &TfMain::CBProcClick);
    ui->EProc->setText(ui->CBProc->isChecked() ? QStringLiteral("%") : QStringLiteral("г."));
    Saved = true;
}

void TfMain::ScreenAdaptation(int screenWidth, int screenHeight)
{
    if (screenHeight < 768) {
        const int newHeight = screenHeight - 30 - (frameGeometry().height() - height());
        // The designed minimum height would refuse the lower window; step 2 lowers it.
        setMinimumHeight(qMin(minimumHeight(), newHeight));
        resize(width(), newHeight);
        setMinimumHeight(height());
        const int h = static_cast<int>(RoundEven(screenHeight / 2.0)) - 90;
        ui->Panel1->resize(ui->Panel1->width(), h);
        ui->XiPanel2->resize(ui->XiPanel2->width(), h);
        ui->XiPanel1->move(ui->XiPanel1->x(), ui->XiPanel2->y() + ui->XiPanel2->height() + 1);
        Dock();
    }
    if (screenWidth < 870) {
        // The designed minimum width stays, so the window may not get narrower than it.
        resize(screenWidth - 20 - (frameGeometry().width() - width()), height());
        Dock();
        const int outerWidth = frameGeometry().width();
        ui->Panel_racion->resize(outerWidth - 10, ui->Panel_racion->height());
        ui->XiPanel2->resize(ui->Panel_racion->width() - 17, ui->XiPanel2->height());
        ui->XiPanel1->resize(ui->Panel_racion->width() - 17, ui->XiPanel1->height());
        // The lists follow the list panel's width before their columns are worked out.
        fAnchors->Apply(ui->XiPanel2);
        fAnchors->Apply(ui->XiPanel1);
        const int strip = ui->Panel1->width();
        ui->Panel_Grup->resize(strip / 2 - 20, ui->Panel_Grup->height());
        ui->panel_prod->setGeometry(ui->Panel_Grup->width(), 0, strip - ui->Panel_Grup->width() - 2,
                                    ui->Panel1->height());
        for (QTableWidget *list : {ui->LVRac, ui->LVItog}) {
            list->setColumnWidth(2, list->columnWidth(2) - 60);
            int others = 0;
            for (int c = 0; c < list->columnCount(); ++c)
                if (c != 1)
                    others += list->columnWidth(c);
            list->setColumnWidth(1, list->width() - 140 - others);
        }
        ui->LVProd->resize(ui->panel_prod->width() - 37, ui->panel_prod->height() - 75);
        ui->EdPoisk->resize(ui->EdPoisk->width() - 20, ui->EdPoisk->height());
        const int right = ui->LVProd->geometry().right();
        ui->ButPoisk->move(right - ui->ButPoisk->width() + 1, ui->ButPoisk->y());
        const int top = ui->LVProd->geometry().bottom() + 1 + 12;
        ui->ButDelProd->move(right - ui->ButDelProd->width() + 1, top);
        ui->ButEditProd->move(ui->ButDelProd->x() - 10 - ui->ButEditProd->width(), top);
        ui->ButNewProd->move(ui->ButEditProd->x() - 10 - ui->ButNewProd->width(), top);
        ui->LVProd->setColumnWidth(0, ui->LVProd->width() - ui->LVProd->columnWidth(1) - 40);
        ui->TVGrup->setMinimumWidth(ui->Panel_Grup->width() - 31);
        ui->TVGrup->resize(ui->Panel_Grup->width() - 31, ui->TVGrup->height());
        ui->XiButton1->move(ui->TVGrup->geometry().right() + 1 - ui->XiButton1->width(),
                            ui->XiButton1->y());
    }
}

void TfMain::FormCanResize(int newWidth)
{
    ui->Panel_Grup->resize(newWidth / 2 - 20, ui->Panel_Grup->height());
    ui->TVGrup->resize(ui->Panel_Grup->width() - 31, ui->TVGrup->height());
    ui->XiButton1->move(ui->TVGrup->geometry().right() + 1 - ui->XiButton1->width(),
                        ui->XiButton1->y());
    ui->panel_prod->setGeometry(ui->Panel_Grup->width(), 0, newWidth - ui->Panel_Grup->width() - 2,
                                ui->Panel1->height());
}

void TfMain::Dock()
{
    const QSize client = ui->centralwidget->size();
    ui->Panel1->setGeometry(0, 0, client.width(), ui->Panel1->height());
    ui->Panel_Grup->setGeometry(0, 0, ui->Panel_Grup->width(), ui->Panel1->height());
    ui->panel_prod->setGeometry(ui->Panel_Grup->width(), 0, ui->panel_prod->width(),
                                ui->Panel1->height());
    ui->Panel_racion->setGeometry(0, ui->Panel1->height(), client.width(),
                                  client.height() - ui->Panel1->height());
}

void TfMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Dock();
    FormCanResize(frameGeometry().width());
}

void TfMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!fShown) {
        fShown = true;
        ANoEnable->trigger();
    }
}

void TfMain::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TfMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == ui->LVProd) {
            LVProdKeyDown(key);
            LVProdKeyPress(key);
        } else if (watched == ui->LVRac) {
            LVRacKeyDown(key);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfMain::XiButton1Click()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(AppDir() + QStringLiteral("Справка.html")));
}
