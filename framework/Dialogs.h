#pragma once
// Every message box of the program goes through one replaceable sink, so that
// tests can read the texts instead of being blocked by a modal box.

#include <QString>
#include <functional>

namespace Dialogs {

enum class MessageKind { Information, Error, Warning };

using Sink = std::function<void(MessageKind kind, const QString& caption, const QString& text)>;

// Replaces the sink; returns the previous one. An empty sink restores the box.
Sink SetSink(Sink sink);

void ShowMessage(const QString& text);
void ShowError(const QString& text);
void ShowWarning(const QString& text);

} // namespace Dialogs

inline void ShowMessage(const QString& text) { Dialogs::ShowMessage(text); }
