// Reading and writing a window description of the main window's size and
// larger: a form with nested panels, group boxes, images, buttons and labels,
// fonts and events. Start-up reads two such descriptions.

#include "BenchMain.h"
#include "framework/Application.h"
#include "framework/ComponentRegistry.h"
#include "framework/Form.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

class TBenchForm : public TForm {
    Q_OBJECT
public:
    explicit TBenchForm(QWidget* parent = nullptr) : TForm(parent) {}
public slots:
    void Clicked(QObject*) {}
};

// A form with `groups` group boxes, each holding a panel, two images, a
// button and a label: six controls and about forty properties per group.
QString Description(int groups)
{
    QString text = "object MainForm: TBenchForm\n  Caption = 'DEMO QUIL COMPUTER'\n  ClientWidth = 507\n"
                   "  ClientHeight = 561\n  BorderStyle = bsToolWindow\n  BorderIcons = []\n"
                   "  Font.Name = 'MS Sans Serif'\n  Font.Height = -11\n";
    for (int g = 0; g < groups; ++g) {
        const QString n = QString::number(g);
        text += "  object Group" + n + ": TGroupBox\n    Left = 8\n    Top = " + QString::number(g * 10) +
                "\n    Width = 113\n    Height = 161\n    Caption = 'Options'\n    Font.Style = [fsBold]\n"
                "    ParentFont = False\n"
                "    object Panel" + n + ": TPanel\n      Left = 4\n      Top = 16\n      Width = 100\n"
                "      Height = 40\n      BevelOuter = bvLowered\n      Color = $00C000\n      Caption = 'LCD'\n"
                "    end\n"
                "    object ImageA" + n + ": TImage\n      Left = 26\n      Top = 28\n      Width = 25\n"
                "      Height = 25\n      Transparent = True\n      Visible = False\n    end\n"
                "    object ImageB" + n + ": TImage\n      Left = 59\n      Top = 23\n      Width = 33\n"
                "      Height = 33\n      Stretch = True\n    end\n"
                "    object Button" + n + ": TSpeedButton\n      Left = 10\n      Top = 100\n      Width = 55\n"
                "      Height = 55\n      Caption = 'CLOSE'\n      Flat = True\n      Layout = blGlyphTop\n"
                "      OnClick = Clicked\n    end\n"
                "    object Label" + n + ": TLabel\n      Left = 10\n      Top = 60\n      Caption = 'it''s a label'\n"
                "    end\n  end\n";
    }
    return text + "end\n";
}

void BM_ReadForm(benchmark::State& state)
{
    const QString text = Description(int(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<QObject> form(TStreamReader::Read(text, "bench.dfm"));
        benchmark::DoNotOptimize(form.get());
    }
    state.SetItemsProcessed(state.iterations() * (1 + 6 * state.range(0)));
}
// 4 groups are about the main window's 25 controls.
BENCHMARK(BM_ReadForm)->Arg(4)->Arg(40)->Unit(benchmark::kMillisecond);

void BM_WriteForm(benchmark::State& state)
{
    std::unique_ptr<QObject> form(TStreamReader::Read(Description(int(state.range(0))), "bench.dfm"));
    for (auto _ : state) {
        const QString text = TStreamWriter::Write(form.get());
        benchmark::DoNotOptimize(text.size());
    }
    state.SetItemsProcessed(state.iterations() * (1 + 6 * state.range(0)));
}
BENCHMARK(BM_WriteForm)->Arg(4)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [] { RegisterComponents(QString(), {TComponentClass::Of<TBenchForm>()}); });
}

#include "StreamBench.moc"
