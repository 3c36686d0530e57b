#pragma once
// TApplication: the application object. Its event dispatch catches the
// framework's exception family, shows the message in the error box and lets
// the program go on, as the classic message loop does.

#include <QApplication>
#include <QWidget>
#include <QPointer>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;
    // Shows the exception currently being handled in the error box.
    static void HandleException(const std::exception& e);

    // The first window created; closing it ends the program.
    QWidget* MainForm() const { return mainForm_; }
    void SetMainForm(QWidget* form);

    int Run();
    void Terminate();

private:
    QPointer<QWidget> mainForm_;
};

// The application object, or null outside a program.
TApplication* Application();
