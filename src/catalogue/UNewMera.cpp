#include "UNewMera.h"
#include "ui_UNewMera.h"

#include "Catalogue.h"
#include "KeyPress.h"
#include "ListView.h"
#include "NumberInput.h"
#include "Numbers.h"
#include "UDM.h"
#include "UMain.h"
#include "UMessage.h"

#include <QAction>
#include <QFocusEvent>
#include <limits>

TfNewMera *fNewMera = nullptr;

namespace {

const int HeightBrowse = 240;
const int HeightEdit = 347;

const QString CaptionAdd = QStringLiteral("Добавить");
const QString CaptionChange = QStringLiteral("Изменить");

const QString NoGrams = QStringLiteral("Запишите, сколько грамм в порции, целым числом (если "
                                       "неизвестно, то запишите 0)");
const QString NoKcal =
    QStringLiteral("Запишите, сколько ккал в порции (если неизвестно, то запишите 0)");

// Whole grams from the field; false for text that is no 32-bit whole number.
bool ReadGrams(const QString &text, qint32 &grams)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        return false;
    grams = static_cast<qint32>(v);
    return true;
}

} // namespace

TfNewMera::TfNewMera(QWidget *parent) : QDialog(parent), ui(new Ui::TfNewMera)
{
    ui->setupUi(this);
    setFixedSize(width(), HeightBrowse);
    ListView::Setup(ui->LVNewMera,
                    {{QStringLiteral("Мера / порция"), 250},
                     {QStringLiteral("граммы"), 70},
                     {QStringLiteral("ккал"), 70}},
                    true);
    QPalette palette = ui->LVNewMera->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    ui->LVNewMera->setPalette(palette);

    APaintLVNewMera = new QAction(this);
    APaintLVNewMera->setObjectName(QStringLiteral("APaintLVNewMera"));
    connect(APaintLVNewMera, &QAction::triggered, this, &TfNewMera::APaintLVNewMeraExecute);

    connect(ui->ButNew, &QPushButton::clicked, this, &TfNewMera::ButNew1Click);
    connect(ui->ButEdit, &QPushButton::clicked, this, &TfNewMera::ButEdit1Click);
    connect(ui->ButDel, &QPushButton::clicked, this, &TfNewMera::ButDel1Click);
    connect(ui->ButOK, &QPushButton::clicked, this, &TfNewMera::ButOK1Click);
    connect(ui->ButCancel, &QPushButton::clicked, this, &TfNewMera::ButCancel1Click);
    connect(ui->EdKkal, &QLineEdit::textChanged, this, &TfNewMera::EdKkalChange);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->EdMera, ui->EdGramm, ui->EdKkal})
        w->installEventFilter(this);
}

TfNewMera::~TfNewMera()
{
    delete ui;
}

void TfNewMera::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfNewMera::FormShow()
{
    Browse();
    APaintLVNewMera->trigger();
}

void TfNewMera::APaintLVNewMeraExecute()
{
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT * from tab_mera WHERE id_prod=") + IntToStr(IdProd));
    q.Open();
    ListView::Clear(ui->LVNewMera);
    for (; !q.Eof(); q.Next())
        ListView::AddRow(ui->LVNewMera, q.Field(2).toString(),
                         {IntToStr(q.Field(3).toInt()), FloatToStrOne(q.Field(4).toDouble())},
                         q.Field(0).toInt());
    if (ui->LVNewMera->rowCount() > 0)
        ListView::Select(ui->LVNewMera, 0);
}

void TfNewMera::Browse()
{
    setFixedSize(width(), HeightBrowse);
    ui->LVNewMera->setEnabled(true);
    ui->Panel->hide();
    for (QWidget *b : std::initializer_list<QWidget *>{ui->ButNew, ui->ButEdit, ui->ButDel})
        b->show();
}

void TfNewMera::StartEditing(const QString &okCaption)
{
    setFixedSize(width(), HeightEdit);
    ui->ButOK->setText(okCaption);
    ui->Panel->show();
    ui->LVNewMera->setEnabled(false);
    // The panel covers them; hidden, they cannot be reached with Tab either.
    for (QWidget *b : std::initializer_list<QWidget *>{ui->ButNew, ui->ButEdit, ui->ButDel})
        b->hide();
    ui->EdMera->setFocus();
}

void TfNewMera::ButNew1Click()
{
    ui->EdMera->clear();
    ui->EdGramm->clear();
    ui->EdKkal->clear();
    StartEditing(CaptionAdd);
}

void TfNewMera::ButEdit1Click()
{
    const int row = ListView::Selected(ui->LVNewMera);
    if (row < 0)
        return;
    if (row == 0) {
        FMessage->ShowMessage(QStringLiteral("Нельзя редактировать меру 100г"), this);
        ListView::Select(ui->LVNewMera, 0);
        return;
    }
    ui->EdMera->setText(ListView::Caption(ui->LVNewMera, row));
    ui->EdGramm->setText(ListView::SubItem(ui->LVNewMera, row, 0));
    ui->EdKkal->setText(ListView::SubItem(ui->LVNewMera, row, 1));
    StartEditing(CaptionChange);
}

void TfNewMera::ButDel1Click()
{
    const int row = ListView::Selected(ui->LVNewMera);
    if (row <= 0)
        return;
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("DELETE FROM tab_mera WHERE id_mif=") +
             IntToStr(ListView::Data(ui->LVNewMera, row).toInt()));
    q.ExecSQL();
    APaintLVNewMera->trigger();
    fMain->APaintLVRAc->trigger();
}

void TfNewMera::ButCancel1Click()
{
    Browse();
}

void TfNewMera::ButOK1Click()
{
    if (ui->EdMera->text().trimmed().isEmpty()) {
        FMessage->ShowMessage(QStringLiteral("Запишите название меры"), this);
        ui->EdMera->setFocus();
        return;
    }
    if (ui->EdGramm->text().trimmed().isEmpty()) {
        FMessage->ShowMessage(QStringLiteral("Укажите сколько грамм или ккал в порции (если "
                                             "неизвестно, то запишите 0)"),
                              this);
        return;
    }
    qint32 grams = 0;
    if (!ReadGrams(ui->EdGramm->text(), grams)) {
        FMessage->ShowMessage(NoGrams, this);
        ui->EdGramm->setFocus();
        return;
    }
    if (grams == 100) {
        FMessage->ShowMessage(QStringLiteral("Нельзя записать меру 100г - она уже существует. "
                                             "Калорийность на 100г можно изменить в свойствах "
                                             "продукта"),
                              this);
        return;
    }
    double kcal = 0;
    if (!TryStrToFloat(ui->EdKkal->text(), kcal)) {
        FMessage->ShowMessage(NoKcal, this);
        ui->EdKkal->setFocus();
        return;
    }

    const bool defines = KkalProd == 0 && grams != 0;
    if (defines)
        FMessage->ShowMessage(QStringLiteral("Все меры, включая меру 100г, будут пересчитаны с "
                                             "учетом новых данных по соотношению ккал-грамм"),
                              this);
    const bool adding = ui->ButOK->text() == CaptionAdd;
    TQuery &q = DM->SQLGrup;
    {
        TTransaction t(DM->ADOTrans);
        if (defines) {
            const double perGram = kcal / grams;
            for (int row = 0; row < ui->LVNewMera->rowCount(); ++row) {
                q.SetSQL(QStringLiteral("UPDATE tab_mera SET kkal_mera=:kkal_mera WHERE id_mif=") +
                         IntToStr(ListView::Data(ui->LVNewMera, row).toInt()));
                q.Bind(QStringLiteral("kkal_mera"),
                       RoundOne(StrToInt(ListView::SubItem(ui->LVNewMera, row, 0)) * perGram));
                q.ExecSQL();
            }
            q.SetSQL(QStringLiteral("UPDATE tab_prod SET kkal=:kkal_mera WHERE id_prod=") +
                     IntToStr(IdProd));
            q.Bind(QStringLiteral("kkal_mera"), RoundOne(perGram * 100));
            q.ExecSQL();
        }
        if (adding) {
            q.SetSQL(QStringLiteral("INSERT INTO tab_mera(id_prod, naim_mera, g_mera,kkal_mera) "
                                    "VALUES (:id_prod,:naim_mera,:g,:kkal_mera)"));
            q.Bind(QStringLiteral("id_prod"), IdProd);
            q.Bind(QStringLiteral("g"), grams);
        } else {
            // The name is bound, so that any character in it is stored as typed.
            const int row = ListView::Selected(ui->LVNewMera);
            q.SetSQL(QStringLiteral("UPDATE tab_mera SET naim_mera=:naim_mera, g_mera=") +
                     IntToStr(grams) + QStringLiteral(",kkal_mera=:kkal_mera WHERE id_mif=") +
                     IntToStr(ListView::Data(ui->LVNewMera, row).toInt()));
        }
        q.Bind(QStringLiteral("naim_mera"), ui->EdMera->text());
        q.Bind(QStringLiteral("kkal_mera"), kcal);
        q.ExecSQL();
        t.Commit();
    }
    if (!adding) {
        DM->TableProd.Close();
        DM->TableProd.Open();
    }
    APaintLVNewMera->trigger();
    fMain->APaintTVProd->trigger();
    Browse();
}

bool TfNewMera::EdGrammKeyPress(QKeyEvent *event)
{
    return FilterWholeKey(event);
}

bool TfNewMera::EdKkalKeyPress(QKeyEvent *event)
{
    return FilterDecimalKey(ui->EdKkal, event);
}

void TfNewMera::EdKkalChange()
{
    const QString cut = CutToOneDecimal(ui->EdKkal->text());
    if (cut != ui->EdKkal->text())
        ui->EdKkal->setText(cut);
    ui->EdKkal->setCursorPosition(ui->EdKkal->text().size());
}

// The coupling skips an empty field silently: the user has not given that value yet.
void TfNewMera::EdGrammExit()
{
    if (KkalProd == 0 || ui->EdGramm->text().trimmed().isEmpty())
        return;
    qint32 grams = 0;
    if (!ReadGrams(ui->EdGramm->text(), grams)) {
        FMessage->ShowMessage(NoGrams, this);
        return;
    }
    ui->EdKkal->setText(FloatToStrOne(MeasureKcal(grams, KkalProd)));
}

void TfNewMera::EdKkalExit()
{
    if (KkalProd == 0 || ui->EdKkal->text().trimmed().isEmpty())
        return;
    double kcal = 0;
    if (!TryStrToFloat(ui->EdKkal->text(), kcal)) {
        FMessage->ShowMessage(NoKcal, this);
        return;
    }
    ui->EdGramm->setText(IntToStr(MeasureGrams(kcal, KkalProd)));
}

bool TfNewMera::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // Leaving a field for another control of this dialog; a message box or another
        // window taking the focus is no exit.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == ui->EdGramm)
                EdGrammExit();
            else if (watched == ui->EdKkal)
                EdKkalExit();
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == ui->EdGramm)
            return EdGrammKeyPress(key);
        if (watched == ui->EdKkal)
            return EdKkalKeyPress(key);
        // Enter in the name neither stores nor closes anything.
        if (watched == ui->EdMera && IsEnter(key))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
