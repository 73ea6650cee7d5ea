#include "USaveRacion.h"
#include "ui_USaveRacion.h"

#include "Numbers.h"
#include "SavedRations.h"
#include "UDM.h"
#include "UDialog.h"
#include "UMain.h"
#include "UMessage.h"
#include "UMy.h"
#include "UVvod.h"
#include "ui_UMain.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMenu>

TfSaveRacion *fSaveRacion = nullptr;

namespace {
const QString SaveCaption = QStringLiteral("Сохранить рацион как");
const QString LoadCaption = QStringLiteral("Загрузить рацион");
const QString CurrentPrefix = QStringLiteral("Текущий рацион: ");
} // namespace

TfSaveRacion::TfSaveRacion(QWidget *parent)
    : QDialog(parent), ui(new Ui::TfSaveRacion), PMSostav(new QMenu(this))
{
    ui->setupUi(this);
    setFixedSize(size());
    PMSostav->setObjectName(QStringLiteral("PMSostav"));
    PMSostav->addAction(QStringLiteral("dsd"));

    // The selected ration stays marked while the focus is in the name field.
    QPalette palette = ui->TVSaveRac->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    ui->TVSaveRac->setPalette(palette);

    connect(ui->TVSaveRac, &QTreeWidget::itemClicked, this, &TfSaveRacion::TVSaveRacClick);
    connect(ui->TVSaveRac, &QTreeWidget::itemDoubleClicked, this, &TfSaveRacion::TVSaveRacDblClick);
    connect(ui->ButDa, &QPushButton::clicked, this, &TfSaveRacion::ButDaClick);
    connect(ui->ButNo, &QPushButton::clicked, this, &QDialog::reject);
    ui->TVSaveRac->installEventFilter(this);
}

TfSaveRacion::~TfSaveRacion()
{
    delete ui;
}

void TfSaveRacion::PlaceTree(int top, int height)
{
    ui->TVSaveRac->setGeometry(16, top, 401, height);
}

QRect TfSaveRacion::LastRect() const
{
    QRect rect = frameGeometry();
    if (!fEverShown) {
        const QRect main = OuterRect(fMain);
        rect.moveTo(CenterCoord(main.left(), main.width(), rect.width()),
                    CenterCoord(main.top(), main.height(), rect.height()));
    }
    return rect;
}

void TfSaveRacion::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fEverShown = true;
    FormShow();
}

bool TfSaveRacion::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->TVSaveRac && event->type() == QEvent::KeyPress)
        TVSaveRacKeyDown(static_cast<QKeyEvent *>(event));
    return QDialog::eventFilter(watched, event);
}

void TfSaveRacion::FormShow()
{
    QTreeWidget *tree = ui->TVSaveRac;
    tree->clear();
    const QList<TSavedRacion> listed = ListSavedRations();
    QList<QTreeWidgetItem *> nodes;
    nodes.reserve(listed.size());
    for (const TSavedRacion &r : listed) {
        auto *node = new QTreeWidgetItem(QStringList{r.name});
        node->setData(0, Qt::UserRole, r.id);
        nodes.append(node);
    }
    tree->addTopLevelItems(nodes);
    ui->EdNaimRac->setText(ProposeRacionName(listed, fVvod->IdRac, ui->EdNaimRac->text(),
                                             QDateTime::currentDateTime()));
    if (!nodes.isEmpty())
        tree->setCurrentItem(nodes.first());
    // In load mode the name field lies hidden under the tree.
    if (windowTitle() == LoadCaption)
        tree->setFocus();
    else
        ui->EdNaimRac->setFocus();
}

void TfSaveRacion::TVSaveRacClick()
{
    QTreeWidget *tree = ui->TVSaveRac;
    const QList<QTreeWidgetItem *> selected = tree->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *node = selected.first();
    ui->EdNaimRac->setText(node->text(0));

    const QRect row = tree->visualItemRect(node);
    const int margin = tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1;
    const QPoint anchor = tree->viewport()->mapToGlobal(QPoint(
        row.left() + margin + tree->fontMetrics().horizontalAdvance(node->text(0)), row.top()));

    const QStringList lines = SostavLines(node->data(0, Qt::UserRole).toInt());
    if (lines.isEmpty())
        return;
    PMSostav->clear();
    for (const QString &line : lines)
        PMSostav->addAction(line);
    PMSostav->popup(anchor);
}

void TfSaveRacion::ButDaClick()
{
    if (windowTitle() == SaveCaption)
        Save();
    else if (windowTitle() == LoadCaption)
        Load();
}

void TfSaveRacion::Save()
{
    const QString name = ui->EdNaimRac->text();
    if (name.isEmpty()) {
        ui->EdNaimRac->setFocus();
        FMessage->ShowMessage(QStringLiteral("Запишите название рациона"), this);
        return;
    }
    if (const std::optional<qint32> id = FindSavedRacion(name)) {
        if (fDialog->Ask(QStringLiteral("Рацион с таким названием уже существует, перезаписать?"),
                         this)) {
            RewriteRacion(*id, ArrSave);
            fMain->Saved = true;
            fMain->ui->Label1->setText(CurrentPrefix + name);
            fVvod->IdRac = *id;
        }
    } else {
        const qint32 newId = SaveNewRacion(name, ArrSave);
        fVvod->IdRac = newId;
        fMain->ui->Label1->setText(CurrentPrefix + name);
        fMain->Saved = true;
    }
    accept();
}

void TfSaveRacion::Load()
{
    const QList<QTreeWidgetItem *> selected = ui->TVSaveRac->selectedItems();
    if (selected.isEmpty()) {
        accept();
        return;
    }
    const QTreeWidgetItem *node = selected.first();
    if (fMain->ui->LVRac->rowCount() > 0) {
        if (!fDialog->Ask(QStringLiteral("Загрузка рациона очистит текущий, продолжить загрузку?"),
                          this)) {
            reject();
            return;
        }
        fMain->ADeleteRac->trigger();
    }
    const qint32 id = node->data(0, Qt::UserRole).toInt();
    {
        // One read transaction for the rows and the repaint's look-ups of every name: the engine
        // then locks and checks the file once instead of once per statement.
        TTransaction t(DM->ADOTrans);
        LoadRacion(id, ArrSave);
        fMain->APaintLVRAc->trigger();
        t.Commit();
    }
    fVvod->IdRac = id;
    fMain->ui->Label1->setText(CurrentPrefix + node->text(0));
    fMain->Saved = true;
    fMain->AEnable->trigger();
    accept();
}

void TfSaveRacion::TVSaveRacDblClick()
{
    if (!ui->TVSaveRac->selectedItems().isEmpty())
        ButDaClick();
}

void TfSaveRacion::TVSaveRacKeyDown(QKeyEvent *event)
{
    const QList<QTreeWidgetItem *> selected = ui->TVSaveRac->selectedItems();
    if (windowTitle() != LoadCaption || event->key() != Qt::Key_Delete || selected.isEmpty())
        return;
    QTreeWidgetItem *node = selected.first();
    DeleteSavedRacion(node->data(0, Qt::UserRole).toInt());
    delete node;
}
