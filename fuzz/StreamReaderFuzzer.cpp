// Fuzz target for the window-description reader. Any input must either be
// refused with EReadError or give a component tree; a tree that was read must
// be written and read back to the same text. Anything else (a crash, a
// sanitizer report, another exception, an unstable round trip) is a finding.

#include "framework/Application.h"
#include "framework/ComponentRegistry.h"
#include "framework/Dialogs.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/RegisterStandard.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"

#include <QFont>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

// A root with handlers of the common shapes, so event binding is reached.
class TFuzzForm : public TForm {
    Q_OBJECT
public:
    explicit TFuzzForm(QWidget* parent = nullptr) : TForm(parent) {}
public slots:
    void Clicked(QObject*) {}
    void MouseDown(QObject*, TMouseButton, TShiftState, int, int) {}
    void Closing(QObject*, TCloseAction& Action) { Action = caNone; }
    void Ticked(QObject*) {}
};

// fontconfig keeps a few blocks it never frees once fonts are first used;
// they are not ours and not a fault of the reader.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

// Freed blocks are held back to catch late use; a smaller hold keeps a long
// run's memory low while every block freed by the last input is still caught.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "stream_reader_fuzzer";
    static char* argv[] = {name, nullptr};
    new TApplication(argc, argv);
    Dialogs::SetSink([](Dialogs::MessageKind, const QString&, const QString&) {});
    RegisterStandardComponents();
    RegisterComponents(QString(), {TComponentClass::Of<TFuzzForm>()});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    std::unique_ptr<QObject> root;
    try {
        root.reset(TStreamReader::Read(text, QStringLiteral("fuzz.dfm")));
    } catch (const EReadError&) {
        return 0;
    }
    const QString written = TStreamWriter::Write(root.get());
    std::unique_ptr<QObject> again(TStreamReader::Read(written, QStringLiteral("rewritten.dfm")));
    if (TStreamWriter::Write(again.get()) != written) {
        std::fprintf(stderr, "unstable round trip:\n%s\n", qPrintable(written));
        std::abort();
    }
    again.reset();
    root.reset();
    // As the message loop would: deliver what the controls posted. Then drop
    // Qt's font engines: it keeps one for every family, size and style asked
    // for, and random descriptions ask for ever new family names. Dropping
    // them after every input is no slower (the cache stays small) and keeps
    // a long run's memory from growing with the names it has seen.
    QCoreApplication::processEvents();
    QFont::cleanup();
    return 0;
}

#include "StreamReaderFuzzer.moc"
