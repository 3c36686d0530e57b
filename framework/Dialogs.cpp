#include "framework/Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace Dialogs {
namespace {

void BoxSink(MessageKind kind, const QString& caption, const QString& text)
{
    switch (kind) {
    case MessageKind::Information: QMessageBox::information(nullptr, caption, text); break;
    case MessageKind::Warning: QMessageBox::warning(nullptr, caption, text); break;
    case MessageKind::Error: QMessageBox::critical(nullptr, caption, text); break;
    }
}

Sink& Current()
{
    static Sink sink = BoxSink;
    return sink;
}

void Show(MessageKind kind, const QString& text)
{
    Current()(kind, QApplication::applicationName(), text);
}

} // namespace

Sink SetSink(Sink sink)
{
    Sink previous = Current();
    Current() = sink ? std::move(sink) : Sink(BoxSink);
    return previous;
}

void ShowMessage(const QString& text) { Show(MessageKind::Information, text); }
void ShowError(const QString& text) { Show(MessageKind::Error, text); }
void ShowWarning(const QString& text) { Show(MessageKind::Warning, text); }

} // namespace Dialogs
