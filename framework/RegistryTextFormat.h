#pragma once
// TRegistryTextFormat: the classic registry-export text of one key, the form in
// which the file back end keeps a key so that a user can read and edit it:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Brenvik\Quil demo]
//   "STREEFTEMP"=dword:000000b9
//   "TITLE"="text with \\ and \" escaped"
//   "STARTED"=hex:00,00,00,00,00,2c,e6,40
//   "PATH"=hex(2):25,00,48,00,00,00
//
// Lines may end in CR LF; hex lists may continue on the next line after a
// trailing backslash; lines starting with ';' are comments (not kept).

#include "framework/RegistryValue.h"

#include <QList>

class TRegistryTextFormat {
public:
    static const QString Header;
    static const QString RootName;

    // The values of the key held in content (UTF-8, or UTF-16LE with its byte
    // order mark). Throws ERegistryException naming fileName and the line when
    // the text is not a well-formed export of exactly that key.
    static QList<TRegistryValue> Parse(const QByteArray& content, const QString& fileName, const QString& keyPath);
    // The export text of the key, UTF-8 with LF line ends.
    static QByteArray Format(const QString& keyPath, const QList<TRegistryValue>& values);
    // Whether a value name fits on one line of the text.
    static bool IsWritableName(const QString& name);
};
