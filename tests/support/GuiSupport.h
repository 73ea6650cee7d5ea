#pragma once

#include "Application.h"
#include "TestSupport.h"

#include <QtTest>
#include <functional>

class QWidget;

// Answers the next modal window that opens (a message box, a question, a dialog) from a
// timer: `answer` gets the window and must close it. Returns at once; the answer runs when
// the modal window is up. The text of every window answered so far is kept in
// AnsweredTexts() for checks.
void AnswerNextModal(std::function<void(QWidget *)> answer);
// Common answers: press the button with this text, or close by the window frame.
void PressButton(QWidget *window, const QString &buttonText);
void AnswerWithButton(const QString &buttonText);
// The visible text of a message box, question box or error report.
QString ModalText(QWidget *window);

// Creates every window of the program in its start-up order for one test, on a folder of
// the test's own, and destroys them after.
class FormsFixture {
public:
    explicit FormsFixture(TestFolder::DbKind kind = TestFolder::EmptyDb);
    ~FormsFixture();
    TestFolder folder;
};

// main() for a test of windows: our application object, so that errors escaping a handler
// reach the general error report as they do in the program.
#define SYTOMIR_GUI_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        TApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
