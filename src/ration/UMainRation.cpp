#include "UMain.h"
#include "ui_UMain.h"

#include "Application.h"
#include "Errors.h"
#include "ListView.h"
#include "Numbers.h"
#include "Paths.h"
#include "RacionList.h"
#include "Redraw.h"
#include "UDM.h"
#include "UDialog.h"
#include "UMy.h"
#include "UNewProd.h"
#include "UVvod.h"
#include "ui_UNewProd.h"
#include "ui_UVvod.h"

#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

const QColor TotalsBackground(253, 242, 198);

// Draws a meal's subtotal row on the totals' light yellow in blue bold; other rows keep the
// list's own look. The row is known by its portion cell, as the list's readers know it.
class TRacDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.siblingAtColumn(2).data().toString() != RacSubtotalText)
            return;
        option->backgroundBrush = TotalsBackground;
        option->font.setBold(true);
        option->palette.setColor(QPalette::Text, Qt::blue);
    }
};

// The first column of the first row of a look-up on SQL1, or nothing without a row.
std::optional<QString> LookUpName(const QString &sql, qint32 key)
{
    DM->SQL1.SetSQL(sql);
    DM->SQL1.Bind(QStringLiteral("id_prod"), key);
    DM->SQL1.Open();
    if (DM->SQL1.IsEmpty())
        return std::nullopt;
    return DM->SQL1.Field(0).toString();
}

// A name look-up of the repaint, each key once: a long ration names the same products and
// measures over and over.
class TNameLookUp {
public:
    explicit TNameLookUp(QString sql) : fSql(std::move(sql)) {}

    std::optional<QString> operator()(qint32 key)
    {
        const auto known = fNames.constFind(key);
        if (known != fNames.constEnd())
            return *known;
        return *fNames.insert(key, LookUpName(fSql, key));
    }

private:
    QString fSql;
    QHash<qint32, std::optional<QString>> fNames;
};

// Gathers the rows of a repaint and puts them into the list in one go when it ends, also when
// a look-up fails midway: the rows built so far then stay, as if added one by one. Cells made
// whole before they join the list reach the view once each; a long ration has thousands.
class TRacRows {
public:
    explicit TRacRows(QTableWidget *list) : fList(list) {}
    ~TRacRows()
    {
        const int first = fList->rowCount();
        fList->setRowCount(first + fRows.size());
        for (int i = 0; i < fRows.size(); ++i) {
            const TRacRow &row = fRows.at(i);
            for (int c = 0; c < fList->columnCount(); ++c) {
                auto *item = new QTableWidgetItem(c == 0 ? row.time : row.cells.value(c - 1));
                item->setTextAlignment(
                    Qt::Alignment(fList->horizontalHeaderItem(c)->textAlignment()));
                if (c == 0 && row.index >= 0)
                    item->setData(Qt::UserRole, row.index);
                fList->setItem(first + i, c, item);
            }
        }
    }
    TRacRows(const TRacRows &) = delete;
    TRacRows &operator=(const TRacRows &) = delete;

    void Add(const TRacRow &row) { fRows.append(row); }

private:
    QTableWidget *fList;
    QList<TRacRow> fRows;
};

} // namespace

void TfMain::ConnectRation()
{
    const auto right = Qt::AlignRight;
    const QList<ListView::Column> columns = {
        {QStringLiteral("Время"), 50},       {QStringLiteral("Продукт"), 300},
        {QStringLiteral("Порция"), 135},     {QStringLiteral("Граммы"), 60, right},
        {QStringLiteral("ккал"), 60, right}, {QStringLiteral("Б"), 50, right},
        {QStringLiteral("Ж"), 50, right},    {QStringLiteral("У"), 50, right}};
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(8);
    ui->LVRac->setFont(verdana);
    QPalette cream = ui->LVRac->palette();
    cream.setColor(QPalette::Base, QColor(255, 251, 240));
    ui->LVRac->setPalette(cream);
    ListView::Setup(ui->LVRac, columns, true);
    ui->LVRac->setItemDelegate(new TRacDelegate(ui->LVRac));

    QFont redBold = verdana;
    redBold.setBold(true);
    ui->LVItog->setFont(redBold);
    QPalette totals = ui->LVItog->palette();
    totals.setColor(QPalette::Base, TotalsBackground);
    totals.setColor(QPalette::Text, Qt::red);
    ui->LVItog->setPalette(totals);
    QList<ListView::Column> dayColumns = columns;
    dayColumns[3].caption = QStringLiteral("Грамм");
    ListView::Setup(ui->LVItog, dayColumns, true);
    // Only the day-total row shows; the grams row under it stays out of sight and out of
    // reach of scrolling and selection.
    ui->LVItog->horizontalHeader()->hide();
    ui->LVItog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->LVItog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->LVItog->setSelectionMode(QAbstractItemView::NoSelection);
    ui->LVItog->setFocusPolicy(Qt::NoFocus);
    ui->LVItog->verticalHeader()->setDefaultSectionSize(ui->LVItog->height() - 2);
    // The totals follow the ration list's columns when it scrolls sideways.
    connect(ui->LVRac->horizontalScrollBar(), &QScrollBar::valueChanged,
            ui->LVItog->horizontalScrollBar(), &QScrollBar::setValue);

    connect(ui->CB1, &QCheckBox::clicked, this, &TfMain::CB1Click);
    connect(ui->CB2, &QCheckBox::clicked, this, &TfMain::CB2Click);
    connect(ui->CBProc, &QCheckBox::clicked, this, &TfMain::CBProcClick);
    connect(ui->ButvRac, &QPushButton::clicked, this, &TfMain::ButvRacClick);
    connect(ui->ButClear, &QPushButton::clicked, this, &TfMain::ButClearClick);
    connect(ui->LVProd, &QTableWidget::cellDoubleClicked, this, &TfMain::LVProdDblClick);
    connect(ui->LVRac, &QTableWidget::cellDoubleClicked, this, &TfMain::LVRacDblClick);
}

void TfMain::APaintLVRAcExecute()
{
    {
        TRedrawOff suspended(ui->LVRac);
        // The look-ups share one read transaction (unless the caller has one open): the engine
        // then locks and checks the file once, not once per statement.
        std::optional<TTransaction> reading;
        if (!ArrSave.isEmpty() && !DM->ADOTrans.InTransaction())
            reading.emplace(DM->ADOTrans);
        ListView::Clear(ui->LVRac);
        TRacRows rows(ui->LVRac);
        TNameLookUp prodName(
            QStringLiteral("SELECT naim_prod FROM tab_prod WHERE id_prod=:id_prod"));
        TNameLookUp meraName(
            QStringLiteral("SELECT naim_mera FROM tab_mera WHERE id_mif=:id_prod"));
        TRacNames names;
        names.prod = [&](qint32 id) { return prodName(id); };
        names.mera = [&](qint32 id) { return meraName(id); };
        RacionRows(ArrSave, ui->CB1->isChecked(), names,
                   [&rows](const TRacRow &row) { rows.Add(row); });
        if (reading)
            reading->Commit();
    }

    ListView::Clear(ui->LVItog);
    if (ui->LVRac->rowCount() == 0)
        return;
    const QStringList day = DayTotals(ArrSave);
    ListView::AddRow(ui->LVItog, QString(), QStringList{QString(), RacDayTotalText} + day);
    ListView::AddRow(ui->LVItog, QString(), QStringList{QString(), QString()} + day);
    ui->LVItog->setRowHidden(1, true);
    if (ui->CBProc->isChecked())
        CBProcClick();
}

void TfMain::CB1Click()
{
    APaintLVRAc->trigger();
}

void TfMain::CB2Click()
{
    const bool on = ui->CB2->isChecked();
    for (QTableWidget *list : {ui->LVRac, ui->LVItog})
        for (int c = 5; c <= 7; ++c)
            list->setColumnWidth(c, on ? 50 : 0);
    ui->CBProc->setVisible(on);
    ui->EProc->setVisible(on);
}

void TfMain::CBProcClick()
{
    const bool percent = ui->CBProc->isChecked();
    ui->EProc->setText(percent ? QStringLiteral("%") : QStringLiteral("г."));
    if (ui->LVItog->rowCount() < 2)
        return;
    for (int k = 2; k <= 3; ++k)
        ListView::SetSubItem(ui->LVItog, 0, k, ListView::SubItem(ui->LVItog, 1, k));
    QStringList bzu;
    for (int k = 4; k <= 6; ++k)
        bzu.append(ListView::SubItem(ui->LVItog, 1, k));
    if (percent)
        bzu = EnergyShares(StrToFloat(bzu[0]), StrToFloat(bzu[1]), StrToFloat(bzu[2]));
    for (int k = 4; k <= 6; ++k)
        ListView::SetSubItem(ui->LVItog, 0, k, bzu[k - 4]);
}

void TfMain::ButvRacClick()
{
    const int sel = ListView::Selected(ui->LVProd);
    if (sel < 0)
        return;
    fVvod->ui->EdNaim->setText(ListView::Caption(ui->LVProd, sel));
    fVvod->setWindowTitle(VvodAddCaption);
    fVvod->exec();
}

void TfMain::LVProdDblClick()
{
    ButvRacClick();
}

void TfMain::LVRacDblClick()
{
    const int sel = ListView::Selected(ui->LVRac);
    if (sel < 0 || ListView::SubItem(ui->LVRac, sel, 0).isEmpty())
        return;
    const int index = ListView::Data(ui->LVRac, sel).toInt();
    if (index < 0 || index >= ArrSave.size() || ArrSave[index].id_prod == 0)
        return;
    const TRacionItem x = ArrSave[index];
    Ui::TfVvod *v = fVvod->ui;
    v->DTP->setTime(VremyTime(x.vremy));
    const std::optional<QString> name = LookUpName(
        QStringLiteral("SELECT naim_prod FROM tab_prod WHERE id_prod=:id_prod"), x.id_prod);
    if (!name)
        return;
    v->EdNaim->setText(*name);
    if (x.id_porc == 0) {
        v->EdGramm->setText(IntToStr(x.g));
        v->EdGramm->setEnabled(true);
        v->EDMera->setText(QStringLiteral("1"));
        v->EDMera->setEnabled(false);
        v->UD->setEnabled(false);
        v->RGGramm->setChecked(true);
        fVvod->FillMera(x.id_prod);
        v->CBMera->setEnabled(false);
    } else {
        if (ListView::SubItem(ui->LVRac, sel, 1) == RacDeletedMeraText)
            return;
        fVvod->FillMera(x.id_prod);
        v->EdGramm->setText(QStringLiteral("0"));
        v->EdGramm->setEnabled(false);
        v->RGPorc->setChecked(true);
        v->CBMera->setEnabled(true);
        v->EDMera->setEnabled(true);
        v->UD->setEnabled(true);
        v->EDMera->setText(FloatToStr(x.kol_porc));
    }
    fVvod->setWindowTitle(VvodEditCaption);
    fVvod->EditIndex = index;
    fVvod->exec();
}

void TfMain::LVRacKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Delete)
        return;
    const int sel = ListView::Selected(ui->LVRac);
    if (sel < 0 || ListView::SubItem(ui->LVRac, sel, 0).isEmpty())
        return;
    const int index = ListView::Data(ui->LVRac, sel).toInt();
    if (index < 0 || index >= ArrSave.size())
        return;
    ArrSave.removeAt(index);
    Saved = false;
    APaintLVRAc->trigger();
}

void TfMain::ButClearClick()
{
    if (ui->LVRac->rowCount() > 0 &&
        fDialog->Ask(QStringLiteral("Очистить текущий рацион?"), this)) {
        ListView::Clear(ui->LVRac);
        ListView::Clear(ui->LVItog);
        ArrSave.clear();
        fVvod->IdRac = -1;
        ui->Label1->clear();
        Saved = true;
        ANoEnable->trigger();
    }
    ADeleteRac->trigger();
}

void TfMain::ANoEnableExecute()
{
    for (QWidget *b : std::initializer_list<QWidget *>{ui->ButSaveKak, ui->ButSave, ui->ButSlozn,
                                                       ui->ButClear, ui->ButExcel, ui->ButHTML})
        b->setEnabled(false);
}

void TfMain::AEnableExecute()
{
    for (QWidget *b : std::initializer_list<QWidget *>{ui->ButSaveKak, ui->ButSave, ui->ButSlozn,
                                                       ui->ButClear, ui->ButExcel, ui->ButHTML})
        b->setEnabled(true);
}

void TfMain::ADeleteRacExecute()
{
    if (ui->Label1->text().isEmpty() || ui->LVRac->rowCount() > 0)
        return;
    DM->SQL1.SetSQL(QStringLiteral("SELECT * FROM tab_racion WHERE id_rac=:id"));
    DM->SQL1.Bind(QStringLiteral("id"), fVvod->IdRac);
    DM->SQL1.Open();
    if (DM->SQL1.IsEmpty()) {
        DM->SQL1.SetSQL(QStringLiteral("DELETE FROM tab_nazv_rac WHERE id=:id"));
        DM->SQL1.Bind(QStringLiteral("id"), fVvod->IdRac);
        DM->SQL1.ExecSQL();
        fVvod->IdRac = -1;
    }
    ui->Label1->clear();
}

bool TfMain::FormCloseQuery()
{
    if (Saved)
        return true;
    if (!fDialog->Ask(QStringLiteral("Сохранить изменения в текущем рационе?"), this))
        return true;
    // The window stays open whatever the save does, an error included: the error is
    // reported here instead of escaping the close, which would let the window go.
    TApplication::Dispatch([this] { ButSaveKakClick(); });
    return false;
}

void TfMain::FormClose()
{
    ArrSave.clear();
    const QString ini = AppDir() + QStringLiteral("setting.ini");
    const auto bit = [](const QCheckBox *box) {
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    };
    WriteIni(ini, QStringLiteral("lvRac"), QStringLiteral("CB1"), bit(ui->CB1));
    WriteIni(ini, QStringLiteral("lvRac"), QStringLiteral("CB2"), bit(ui->CB2));
    WriteIni(ini, QStringLiteral("lvRac"), QStringLiteral("CB4"), bit(ui->CBProc));
    WriteIni(ini, QStringLiteral("lvRac"), QStringLiteral("CB3"), bit(fNewProd->ui->CBBZY));
}
