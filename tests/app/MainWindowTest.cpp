// The main window's frame: resizing, the screen adaptation, and the start with
// settings or without a database, on the real windows offscreen.
#include "Forms.h"
#include "GuiSupport.h"
#include "Numbers.h"
#include "UDM.h"
#include "UMain.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

// A control of a window by its design name, as an outside test driver finds it.
template <class T = QWidget> T *C(const QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

const QList<int> kDesignedColumns = {50, 300, 135, 60, 60, 50, 50, 50};

QList<int> ColumnWidths(const QTableWidget *list)
{
    QList<int> widths;
    for (int c = 0; c < list->columnCount(); ++c)
        widths.append(list->columnWidth(c));
    return widths;
}

bool ColumnHidden(const QTableWidget *list, int c)
{
    return list->isColumnHidden(c) || list->columnWidth(c) == 0;
}

void WriteIniText(const TestFolder &folder, const QByteArray &text)
{
    QFile f(folder.File("setting.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// Every list column other than "Продукт" plus 140 leaves the rest to "Продукт".
void CheckProductColumn(const QTableWidget *list)
{
    int others = 0;
    for (int c = 0; c < list->columnCount(); ++c)
        if (c != 1)
            others += list->columnWidth(c);
    QCOMPARE(list->columnWidth(1), list->width() - 140 - others);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void designedLayout();
    void canResize_data();
    void canResize();
    void resizeByUser();
    void narrowScreen();
    void wideScreenKeepsDesign();
    void lowScreen_data();
    void lowScreen();
    void startOnThisScreen();
    void startSettings_data();
    void startSettings();
    void startWithoutDatabase();
};

void MainWindowTest::designedLayout()
{
    TfMain w;
    QCOMPARE(C(&w, "Panel1")->height(), 312);
    QCOMPARE(C(&w, "Panel_Grup")->width(), 408);
    QCOMPARE(C(&w, "XiPanel2")->size(), QSize(841, 299));
    QCOMPARE(C(&w, "XiPanel1")->size(), QSize(841, 89));
    QCOMPARE(C(&w, "XiPanel1")->y(), C(&w, "XiPanel2")->y() + 299 + 1);
    QCOMPARE(ColumnWidths(C<QTableWidget>(&w, "LVRac")), kDesignedColumns);
    QCOMPARE(ColumnWidths(C<QTableWidget>(&w, "LVItog")), kDesignedColumns);
    QVERIFY(w.windowTitle().startsWith(QStringLiteral("Сытомир")));
}

void MainWindowTest::canResize_data()
{
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("groups");
    QTest::addColumn<int>("products");
    QTest::newRow("outer width 1000") << 1000 << 480 << 518;
    QTest::newRow("odd width") << 1001 << 480 << 519;
    QTest::newRow("designed width") << 866 << 413 << 451;
    QTest::newRow("wide") << 1920 << 940 << 978;
}

void MainWindowTest::canResize()
{
    QFETCH(int, outer);
    QFETCH(int, groups);
    QFETCH(int, products);
    TfMain w;
    w.FormCanResize(outer);
    QCOMPARE(C(&w, "Panel_Grup")->width(), groups);
    QCOMPARE(C(&w, "panel_prod")->width(), products);
    QCOMPARE(C<QTreeWidget>(&w, "TVGrup")->width(), groups - 31);
    QCOMPARE(C(&w, "XiButton1")->geometry().right(),
             C<QTreeWidget>(&w, "TVGrup")->geometry().right());
}

void MainWindowTest::resizeByUser()
{
    FormsFixture forms;
    fMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(fMain));
    const int frame = fMain->frameGeometry().width() - fMain->width();
    fMain->resize(1000 - frame, fMain->height());
    QTRY_COMPARE(fMain->frameGeometry().width(), 1000);
    QCOMPARE(C(fMain, "Panel_Grup")->width(), 480);
    QCOMPARE(C(fMain, "panel_prod")->width(), 518);
    QCOMPARE(C(fMain, "panel_prod")->x(), 480);
    QCOMPARE(C(fMain, "XiButton1")->geometry().right(),
             C<QTreeWidget>(fMain, "TVGrup")->geometry().right());
}

void MainWindowTest::narrowScreen()
{
    TfMain w;
    w.ScreenAdaptation(800, 1024);
    for (QTableWidget *list : {C<QTableWidget>(&w, "LVRac"), C<QTableWidget>(&w, "LVItog")}) {
        QCOMPARE(list->columnWidth(2), 75); // "Порция"
        CheckProductColumn(list);
        QCOMPARE(list->columnWidth(0), 50);
        QCOMPARE(list->columnWidth(7), 50);
    }
    // The designed minimum width is not lowered.
    QCOMPARE(w.frameGeometry().width(), 866);
    QCOMPARE(C(&w, "Panel_racion")->width(), 856);
    QCOMPARE(C(&w, "XiPanel2")->width(), 839);
    QCOMPARE(C(&w, "XiPanel1")->width(), 839);
    QCOMPARE(C(&w, "Panel_Grup")->width(), C(&w, "Panel1")->width() / 2 - 20);
    QCOMPARE(C(&w, "panel_prod")->width(),
             C(&w, "Panel1")->width() - C(&w, "Panel_Grup")->width() - 2);
    QCOMPARE(C<QTreeWidget>(&w, "TVGrup")->width(), C(&w, "Panel_Grup")->width() - 31);
    QCOMPARE(C(&w, "XiButton1")->geometry().right(),
             C<QTreeWidget>(&w, "TVGrup")->geometry().right());
    QCOMPARE(C<QTableWidget>(&w, "LVProd")->width(), C(&w, "panel_prod")->width() - 37);
    QCOMPARE(C(&w, "ButPoisk")->geometry().right(),
             C<QTableWidget>(&w, "LVProd")->geometry().right());
    QCOMPARE(C(&w, "ButDelProd")->geometry().right(), C(&w, "ButPoisk")->geometry().right());
    QCOMPARE(C(&w, "ButEditProd")->geometry().right() + 1 + 10, C(&w, "ButDelProd")->x());
    QCOMPARE(C(&w, "ButNewProd")->geometry().right() + 1 + 10, C(&w, "ButEditProd")->x());
    QCOMPARE(C(&w, "ButDelProd")->y(), C<QTableWidget>(&w, "LVProd")->geometry().bottom() + 1 + 12);
    QCOMPARE(C<QTableWidget>(&w, "LVProd")->columnWidth(0),
             C<QTableWidget>(&w, "LVProd")->width() -
                 C<QTableWidget>(&w, "LVProd")->columnWidth(1) - 40);
}

void MainWindowTest::wideScreenKeepsDesign()
{
    TfMain w;
    const QRect before = w.geometry();
    w.ScreenAdaptation(1024, 768);
    QCOMPARE(w.geometry(), before);
    QCOMPARE(C(&w, "Panel1")->height(), 312);
    QCOMPARE(C(&w, "Panel_Grup")->width(), 408);
    QCOMPARE(ColumnWidths(C<QTableWidget>(&w, "LVRac")), kDesignedColumns);
    QCOMPARE(ColumnWidths(C<QTableWidget>(&w, "LVItog")), kDesignedColumns);
}

void MainWindowTest::lowScreen_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("strip");
    QTest::newRow("600") << 600 << 210;
    QTest::newRow("601: 300.5 to even 300") << 601 << 210;
    QTest::newRow("603: 301.5 to even 302") << 603 << 212;
    QTest::newRow("767") << 767 << 294;
}

void MainWindowTest::lowScreen()
{
    QFETCH(int, screenHeight);
    QFETCH(int, strip);
    TfMain w;
    w.ScreenAdaptation(1024, screenHeight);
    QCOMPARE(w.frameGeometry().height(), screenHeight - 30);
    QCOMPARE(w.minimumHeight(), w.height());
    QCOMPARE(C(&w, "Panel1")->height(), strip);
    QCOMPARE(C(&w, "XiPanel2")->height(), strip);
    QCOMPARE(C(&w, "XiPanel1")->y(), C(&w, "XiPanel2")->y() + strip + 1);
    QCOMPARE(C(&w, "Panel_racion")->y(), strip);
    QCOMPARE(ColumnWidths(C<QTableWidget>(&w, "LVRac")), kDesignedColumns);
}

void MainWindowTest::startOnThisScreen()
{
    // The real start-up adapts to whatever screen the platform reports (offscreen: 800x600).
    FormsFixture forms;
    fMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(fMain));
    const QSize screen = fMain->screen()->geometry().size();
    for (QTableWidget *list : {C<QTableWidget>(fMain, "LVRac"), C<QTableWidget>(fMain, "LVItog")}) {
        QCOMPARE(list->columnWidth(2), screen.width() < 870 ? 75 : 135);
        if (screen.width() < 870)
            CheckProductColumn(list);
    }
    if (screen.height() < 768)
        QCOMPARE(C(fMain, "Panel1")->height(), int(RoundEven(screen.height() / 2.0)) - 90);
}

void MainWindowTest::startSettings_data()
{
    QTest::addColumn<QByteArray>("ini"); // "-": no file
    QTest::addColumn<bool>("cb1");
    QTest::addColumn<bool>("cb2");
    QTest::addColumn<bool>("proc");
    QTest::newRow("no file") << QByteArray("-") << true << true << true;
    QTest::newRow("all 1") << QByteArray("[lvRac]\nCB1=1\nCB2=1\nCB4=1\nCB3=1\n") << true << true
                           << true;
    QTest::newRow("CB2 0") << QByteArray("[lvRac]\nCB2=0\n") << true << false << true;
    QTest::newRow("CB2 yes") << QByteArray("[lvRac]\nCB2=yes\n") << true << false << true;
    QTest::newRow("CB2 2") << QByteArray("[lvRac]\nCB2=2\n") << true << false << true;
    QTest::newRow("CB2 empty") << QByteArray("[lvRac]\nCB2=\n") << true << true << true;
    QTest::newRow("CB1 0") << QByteArray("[lvRac]\nCB1=0\n") << false << true << true;
    QTest::newRow("CB4 0") << QByteArray("[lvRac]\nCB4=0\n") << true << true << false;
    QTest::newRow("all 0") << QByteArray("[lvRac]\nCB1=0\nCB2=0\nCB4=0\nCB3=0\n") << false << false
                           << false;
}

void MainWindowTest::startSettings()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, cb1);
    QFETCH(bool, cb2);
    QFETCH(bool, proc);
    TestFolder folder;
    if (ini != "-")
        WriteIniText(folder, ini);
    CreateForms();
    const auto destroy = qScopeGuard([] { DestroyForms(); });
    fMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(fMain));
    QCOMPARE(C<QCheckBox>(fMain, "CB1")->isChecked(), cb1);
    QCOMPARE(C<QCheckBox>(fMain, "CB2")->isChecked(), cb2);
    QCOMPARE(C<QCheckBox>(fMain, "CBProc")->isChecked(), proc);
    QCOMPARE(C<QLineEdit>(fMain, "EProc")->text(),
             proc ? QStringLiteral("%") : QStringLiteral("г."));
    // Б, Ж, У are the sixth to eighth columns of both ration lists.
    for (QTableWidget *list : {C<QTableWidget>(fMain, "LVRac"), C<QTableWidget>(fMain, "LVItog")})
        for (int c = 5; c <= 7; ++c)
            QCOMPARE(ColumnHidden(list, c), !cb2);
    QVERIFY(fMain->Saved);
    // Reading the settings never writes them.
    QCOMPARE(QFile::exists(folder.File("setting.ini")), ini != "-");
}

void MainWindowTest::startWithoutDatabase()
{
    // The start-up statement fails silently; the group tree's statement reports the error;
    // the rest of FormCreate is skipped (the boxes keep their designed states) and the main
    // window still opens. The database file is not created.
    TestFolder folder(TestFolder::NoDb);
    WriteIniText(folder, "[lvRac]\nCB2=0\nCB4=1\n");
    QStringList titles, texts;
    AnswerNextModal([&](QWidget *w) {
        titles.append(w->windowTitle());
        texts.append(ModalText(w));
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Ok)->click();
    });
    CreateForms();
    const auto destroy = qScopeGuard([] { DestroyForms(); });
    QTRY_COMPARE(titles.size(), 1);
    QCOMPARE(titles.first(), QStringLiteral("Сытомир"));
    QVERIFY(!texts.first().isEmpty());
    QVERIFY(texts.first().endsWith(QLatin1Char('.')));
    QVERIFY(!QFile::exists(folder.File("KKAL.mdb")));
    QVERIFY(C<QCheckBox>(fMain, "CB2")->isChecked());
    QVERIFY(!C<QCheckBox>(fMain, "CBProc")->isChecked());
    QCOMPARE(C<QTreeWidget>(fMain, "TVGrup")->topLevelItemCount(), 0);
    fMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(fMain));
    QTest::qWait(50);
    QCOMPARE(titles.size(), 1); // only one report
}

SYTOMIR_GUI_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
