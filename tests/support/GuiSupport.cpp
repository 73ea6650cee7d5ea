#include "GuiSupport.h"

#include "Forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

void Poll(QPointer<QWidget> before, std::function<void(QWidget *)> answer, int triesLeft)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != before && modal->isVisible()) {
        answer(modal);
        return;
    }
    if (triesLeft <= 0)
        QFAIL("no modal window opened");
    QTimer::singleShot(10, [=] { Poll(before, answer, triesLeft - 1); });
}

} // namespace

void AnswerNextModal(std::function<void(QWidget *)> answer)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [=] { Poll(before, answer, 500); });
}

void PressButton(QWidget *window, const QString &buttonText)
{
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->text().remove(QLatin1Char('&')) == buttonText && b->isVisible()) {
            b->click();
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no button %1").arg(buttonText)));
}

void AnswerWithButton(const QString &buttonText)
{
    AnswerNextModal([buttonText](QWidget *w) { PressButton(w, buttonText); });
}

QString ModalText(QWidget *window)
{
    if (auto *box = qobject_cast<QMessageBox *>(window))
        return box->text();
    for (const char *name : {"labMesage", "LabMessage"})
        if (auto *label = window->findChild<QLabel *>(QString::fromLatin1(name)))
            return label->text();
    return QString();
}

FormsFixture::FormsFixture(TestFolder::DbKind kind) : folder(kind)
{
    CreateForms();
}

FormsFixture::~FormsFixture()
{
    DestroyForms();
}
