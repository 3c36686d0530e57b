// Fuzz target for the settings-file text. Any input must either be refused
// with an ERegistryException naming the file and a line, or give values that
// are written and read back to the same values and the same text. Anything
// else (a crash, a sanitizer report, another exception, an unstable round
// trip) is a finding.

#include "framework/Exception.h"
#include "framework/RegistryTextFormat.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Freed blocks are held back to catch late use; a smaller hold keeps a long
// run's memory low while every block freed by the last input is still caught.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }

namespace {

const QString KeyPath = QStringLiteral("Software\\Brenvik\\Quil demo");
const QString FileName = QStringLiteral("fuzz.reg");

[[noreturn]] void Finding(const char* what, const QByteArray& text)
{
    std::fprintf(stderr, "%s:\n%s\n", what, text.constData());
    std::abort();
}

bool SameValues(const QList<TRegistryValue>& a, const QList<TRegistryValue>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].Name != b[i].Name || a[i].Type != b[i].Type || a[i].Data != b[i].Data)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<TRegistryValue> values;
    try {
        values = TRegistryTextFormat::Parse(content, FileName, KeyPath);
    } catch (const ERegistryException& e) {
        if (!e.Message.startsWith(QStringLiteral("Error in registry file fuzz.reg, line ")))
            Finding("a refusal that names no file and line", e.Message.toUtf8());
        return 0;
    }
    const QByteArray written = TRegistryTextFormat::Format(KeyPath, values);
    QList<TRegistryValue> again;
    try {
        again = TRegistryTextFormat::Parse(written, FileName, KeyPath);
    } catch (const ERegistryException& e) {
        Finding(qPrintable(QStringLiteral("written text refused (%1)").arg(e.Message)), written);
    }
    if (!SameValues(values, again))
        Finding("written text reads as other values", written);
    if (TRegistryTextFormat::Format(KeyPath, again) != written)
        Finding("unstable text", written);
    return 0;
}
