#pragma once

#include <QApplication>
#include <functional>

// The application object. Its event dispatch is the one place where an error that escaped a
// handler becomes the general error report; the program then goes on.
class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Runs a handler outside the event loop (the creation handlers at start-up) under the same
    // rule as the event dispatch.
    static void Dispatch(const std::function<void()> &handler);
    // Loads Qt's own Russian texts for standard dialogs and buttons.
    void LoadTranslations();
};

// The general error report: the standard error box titled "Сытомир" with the error's text.
void ShowErrorReport(const QString &message);
