#include "framework/Application.h"

#include "framework/Dialogs.h"
#include "framework/Exception.h"
#include "framework/Font.h"
#include "framework/Thread.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    TFont::InstallSubstitutions();
    setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication() { CloseSynchronize(); }

TApplication* Application() { return qobject_cast<TApplication*>(QCoreApplication::instance()); }

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        HandleException(e);
    }
    return false;
}

void TApplication::HandleException(const std::exception& e)
{
    if (const auto* fw = dynamic_cast<const Exception*>(&e))
        Dialogs::ShowError(fw->Message);
    else
        Dialogs::ShowError(QString::fromUtf8(e.what()));
}

void TApplication::SetMainForm(QWidget* form)
{
    if (!mainForm_)
        mainForm_ = form;
}

int TApplication::Run()
{
    const int rc = exec();
    CloseSynchronize();
    return rc;
}

void TApplication::Terminate() { quit(); }
