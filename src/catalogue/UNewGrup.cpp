#include "UNewGrup.h"
#include "ui_UNewGrup.h"

#include "Catalogue.h"
#include "GrupTree.h"
#include "KeyPress.h"
#include "Numbers.h"
#include "UDM.h"
#include "UMain.h"
#include "UMessage.h"
#include "ui_UMain.h"

TfNewGrup *fNewGrup = nullptr;

const QString TfNewGrup::CaptionNew = QStringLiteral("Добавление новой группы");
const QString TfNewGrup::CaptionEdit = QStringLiteral("Редактирование группы");

namespace {

void RenameGrup(int id, const QString &name)
{
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("UPDATE  tab_grup SET naim_grup=:naim_mera WHERE id_grup=:id_prod"));
    q.Bind(QStringLiteral("naim_mera"), name);
    q.Bind(QStringLiteral("id_prod"), id);
    q.ExecSQL();
}

} // namespace

TfNewGrup::TfNewGrup(QWidget *parent) : QDialog(parent), ui(new Ui::TfNewGrup)
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->ButOK, &QPushButton::clicked, this, &TfNewGrup::ButOK1Click);
    connect(ui->ButCancel, &QPushButton::clicked, this, &TfNewGrup::ButCancel1Click);
    ui->EdNewGrup->installEventFilter(this);
}

TfNewGrup::~TfNewGrup()
{
    delete ui;
}

void TfNewGrup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfNewGrup::FormShow()
{
    ui->EdNewGrup->setFocus();
}

void TfNewGrup::ButOK1Click()
{
    using namespace GrupTree;
    QTreeWidget *tree = fMain->ui->TVGrup;
    const QString name = ui->EdNewGrup->text();
    QTreeWidgetItem *selected = tree->currentItem();
    if (name.trimmed().isEmpty()) {
        FMessage->ShowMessage(QStringLiteral("Укажите название группы продуктов"), this);
        return;
    }
    if ((!selected || name != selected->text(0)) && GrupNameExists(name) &&
        ui->CBGrup->isHidden()) {
        FMessage->ShowMessage(QStringLiteral("Группа продуктов с таким названием уже существует"),
                              this);
        return;
    }

    TQuery &q = DM->SQLGrup;
    if (windowTitle() == CaptionNew) {
        InsertGrup(name, NodeCount(tree), 0);
        fMain->APaintTVGrup->trigger();
        SelectNode(tree, LastNode(tree));
        fMain->TVGrupClick();
    } else if (selected) {
        const int target = ui->CBGrup->currentIndex() >= 0 ? ui->CBGrup->currentData().toInt() : -1;
        if (ui->CBGrup->isHidden()) {
            RenameGrup(NodeId(selected), name);
            selected->setText(0, name);
        } else if (target != -1) {
            // The group goes into the chosen group as its last subgroup.
            QTreeWidgetItem *into = FindById(tree, target);
            q.SetSQL(QStringLiteral("UPDATE  tab_grup SET naim_grup=:naim_mera,num_tv=:a1,"
                                    "id_parent=") +
                     IntToStr(target) + QStringLiteral(" WHERE id_grup=:id_prod"));
            q.Bind(QStringLiteral("naim_mera"), name);
            q.Bind(QStringLiteral("id_prod"), NodeId(selected));
            q.Bind(QStringLiteral("a1"), into ? into->childCount() : 0);
            q.ExecSQL();
            TRedrawOff frozen(tree);
            fMain->APaintTVGrup->trigger();
            SelectNode(tree, FindByText(tree, name));
            fMain->TVGrupClick();
        } else if (name != selected->text(0)) {
            RenameGrup(NodeId(selected), name);
            selected->setText(0, name);
        }
    }
    accept();
}

void TfNewGrup::ButCancel1Click()
{
    fMain->ui->TVGrup->setFocus();
    reject();
}

bool TfNewGrup::EdNewGrupKeyDown(QKeyEvent *event)
{
    if (!IsEnter(event))
        return false;
    ButOK1Click();
    return true;
}

bool TfNewGrup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->EdNewGrup && event->type() == QEvent::KeyPress)
        return EdNewGrupKeyDown(static_cast<QKeyEvent *>(event));
    return QDialog::eventFilter(watched, event);
}
