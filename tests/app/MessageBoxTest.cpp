// The two message boxes and the general error report, shown for real
// offscreen and answered from a timer.
#include "Errors.h"
#include "GuiSupport.h"
#include "Numbers.h"
#include "UDM.h"
#include "UDialog.h"
#include "UMain.h"
#include "UMessage.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

namespace {

struct Seen {
    QRect frame;
    QSize client;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;
};

// Notes the modal window that opens, then closes it the given way.
void AnswerAndNote(Seen &seen, std::function<void(QWidget *)> close)
{
    AnswerNextModal([&seen, close](QWidget *w) {
        seen.frame = w->frameGeometry();
        seen.client = w->size();
        seen.title = w->windowTitle();
        seen.text = ModalText(w);
        if (auto *box = qobject_cast<QMessageBox *>(w))
            seen.icon = box->icon();
        ++seen.count;
        close(w);
    });
}

void Key(int key)
{
    // The key goes to the modal window's focus widget, as a user's press would.
    QWidget *w = QApplication::activeModalWidget();
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key(key));
}

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void centreOverRectangle();
    void messageCentredOverRect();
    void messageCentredOverWindow();
    void messageCloses_data();
    void messageCloses();
    void question_data();
    void question();
    void errorFromClickedButton_data();
    void errorFromClickedButton();

private:
    std::unique_ptr<FormsFixture> fForms;
};

void MessageBoxTest::init()
{
    fForms = std::make_unique<FormsFixture>();
}

void MessageBoxTest::cleanup()
{
    fForms.reset();
}

void MessageBoxTest::centreOverRectangle()
{
    // A box 295 pixels wide over a window 866 wide at left 100.
    // The box's outer size counts its frame, known to the platform window.
    QWidget box;
    box.winId();
    const QMargins m = box.windowHandle()->frameMargins();
    box.resize(295 - m.left() - m.right(), 120 - m.top() - m.bottom());
    CenterOver(&box, QRect(100, 50, 866, 748));
    QCOMPARE(box.frameGeometry().left(), 386);
    QCOMPARE(box.frameGeometry().top(), 50 + 314); // 628 / 2
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.frameGeometry(), QRect(386, 364, 295, 120));
}

void MessageBoxTest::messageCentredOverRect()
{
    // The box is reused: each showing centres it again, with its new text.
    const QList<QPair<QRect, QString>> showings = {
        {QRect(100, 41, 866, 748), QStringLiteral("Введите название продукта")},
        {QRect(0, 0, 300, 124), QStringLiteral("Второе")},
        {QRect(100, 41, 866, 748), QStringLiteral("Третье")}};
    for (const auto &[over, text] : showings) {
        Seen seen;
        AnswerAndNote(seen, [](QWidget *w) { PressButton(w, QStringLiteral("ОК")); });
        FMessage->ShowMessage(text, over);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.client, QSize(289, 120));
        QCOMPARE(seen.frame.left(), CenterCoord(over.left(), over.width(), seen.frame.width()));
        QCOMPARE(seen.frame.top(), CenterCoord(over.top(), over.height(), seen.frame.height()));
        if (over.width() == 866 && seen.frame.width() == 293) // offscreen's 2-pixel frame:
            QCOMPARE(seen.frame.left(), 386);                 // 573 / 2 = 286.5, to the even 286
    }
    // Layout of the box.
    auto *label = FMessage->findChild<QLabel *>(QStringLiteral("labMesage"));
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(48, 16, 193, 65));
    QVERIFY(label->wordWrap());
    QVERIFY(label->font().bold());
    auto *ok = FMessage->findChild<QPushButton *>(QStringLiteral("ButOK"));
    QVERIFY(ok);
    QCOMPARE(ok->geometry(), QRect(107, 79, 75, 25));
}

void MessageBoxTest::messageCentredOverWindow()
{
    fMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(fMain));
    fMain->move(100, 0);
    QTRY_COMPARE(fMain->frameGeometry().left(), 100);
    const QRect over = fMain->frameGeometry();
    Seen seen;
    AnswerAndNote(seen, [](QWidget *w) { PressButton(w, QStringLiteral("ОК")); });
    FMessage->ShowMessage(QStringLiteral("Рацион пуст"), fMain);
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.frame.left(), CenterCoord(over.left(), over.width(), seen.frame.width()));
    QCOMPARE(seen.frame.top(), CenterCoord(over.top(), over.height(), seen.frame.height()));
}

void MessageBoxTest::messageCloses_data()
{
    QTest::addColumn<int>("key"); // 0: the "ОК" button; -1: the window frame
    QTest::newRow("ОК") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("frame") << -1;
}

void MessageBoxTest::messageCloses()
{
    QFETCH(int, key);
    Seen seen;
    AnswerAndNote(seen, [key](QWidget *w) {
        if (key == 0)
            PressButton(w, QStringLiteral("ОК"));
        else if (key == -1)
            w->close();
        else
            Key(key);
    });
    FMessage->ShowMessage(QStringLiteral("Сообщение"), QRect(0, 0, 800, 600));
    QCOMPARE(seen.count, 1);
    QVERIFY(!FMessage->isVisible());
}

void MessageBoxTest::question_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Да") << "Да" << true;
    QTest::newRow("Нет") << "Нет" << false;
    QTest::newRow("Enter") << "Enter" << true;
    QTest::newRow("Escape") << "Escape" << false;
    QTest::newRow("frame") << "frame" << false;
}

void MessageBoxTest::question()
{
    QFETCH(QString, how);
    QFETCH(bool, yes);
    Seen seen;
    AnswerAndNote(seen, [how](QWidget *w) {
        if (how == "Enter")
            Key(Qt::Key_Return);
        else if (how == "Escape")
            Key(Qt::Key_Escape);
        else if (how == "frame")
            w->close();
        else
            PressButton(w, how);
    });
    const QRect over(100, 41, 866, 748);
    QCOMPARE(fDialog->Ask(QStringLiteral("Удалить продукт?"), over), yes);
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.text, QStringLiteral("Удалить продукт?"));
    QCOMPARE(seen.client, QSize(300, 124));
    QCOMPARE(seen.frame.left(), CenterCoord(100, 866, seen.frame.width()));
    QCOMPARE(seen.frame.top(), CenterCoord(41, 748, seen.frame.height()));
    auto *label = fDialog->findChild<QLabel *>(QStringLiteral("LabMessage"));
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(58, 24, 217, 49));
    QCOMPARE(fDialog->findChild<QWidget *>(QStringLiteral("ButDa"))->geometry(),
             QRect(68, 80, 75, 25));
    QCOMPARE(fDialog->findChild<QWidget *>(QStringLiteral("ButNo"))->geometry(),
             QRect(156, 80, 75, 25));
}

void MessageBoxTest::errorFromClickedButton_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("shown");
    QTest::newRow("conversion") << "convert"
                                << "'12,5' is not a valid integer value.";
    QTest::newRow("range") << "range"
                           << "Range check error.";
    QTest::newRow("database") << "database"
                              << "no such table: tab_nowhere.";
    QTest::newRow("full stop kept") << "std"
                                    << "Сбой.";
}

void MessageBoxTest::errorFromClickedButton()
{
    QFETCH(QString, kind);
    QFETCH(QString, shown);
    QPushButton button(QStringLiteral("Пуск"));
    int reached = 0;
    int after = 0;
    connect(&button, &QPushButton::clicked, [&] {
        ++reached;
        if (kind == "convert")
            StrToInt(QStringLiteral("12,5"));
        else if (kind == "range")
            RoundEven32(1e10);
        else if (kind == "database") {
            DM->SQL1.SetSQL(QStringLiteral("SELECT * FROM tab_nowhere"));
            DM->SQL1.Open();
        } else
            throw std::runtime_error("Сбой.");
        ++after; // never reached: the error ends the handler here
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    for (int round = 1; round <= 2; ++round) { // the program goes on after the report
        Seen seen;
        AnswerAndNote(seen, [](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(reached, round);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.title, QStringLiteral("Сытомир"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY2(seen.text.endsWith(shown), qPrintable(seen.text));
    }
    QCOMPARE(after, 0);
}

SYTOMIR_GUI_TEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
