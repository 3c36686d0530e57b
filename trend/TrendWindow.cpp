#include "trend/TrendWindow.h"

#include "framework/Dialogs.h"
#include "graph/KivGraph.h"
#include "graph/Legenda.h"
#include "trend/FileFollower.h"
#include "trend/LoadThread.h"
#include "trend/OpenDialog.h"

#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>

namespace {

const TColor kColors[] = {clRed, clBlue, clGreen, clFuchsia, clTeal, clMaroon, clNavy, clOlive, clPurple, clBlack};
constexpr int kMinimumMinutes = 90; // the narrowest view the minutes axis allows
constexpr int kPollMs = 100;

int Floor(double v) { return int(std::clamp(std::floor(v), -2147483648.0, 2147483647.0)); }
int Ceil(double v) { return int(std::clamp(std::ceil(v), -2147483648.0, 2147483647.0)); }

} // namespace

TTrendWindow::TTrendWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quil trend"));
    graph_ = new TKivGraph;
    graph_->SetColorBg(clWhite);
    graph_->SetBorderStyle(TKivGraph::bstRaised);
    graph_->XAxisType = atMinutes;
    graph_->LimitXMin = 0;
    graph_->LimitXMax = 1440;
    graph_->LimitLeftMin = 0;
    graph_->LimitLeftMax = 100;
    graph_->Title = QStringLiteral("Open a log with File > Open");
    graph_->setMinimumSize(320, 200);
    graph_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    legend_ = new TLegenda;
    legend_->SetKivGraph(graph_);
    legend_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    FitLegend();

    view_ = new QWidget;
    auto* row = new QHBoxLayout(view_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(graph_, 1);
    row->addWidget(legend_);
    problems_ = new QPlainTextEdit;
    problems_->setReadOnly(true);
    problems_->setMaximumBlockCount(0);
    problems_->setFixedHeight(110);
    problems_->hide();
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(view_, 1);
    column->addWidget(problems_);
    setCentralWidget(central);

    loadingLabel_ = new QLabel;
    progress_ = new QProgressBar;
    progress_->setRange(0, 1000);
    progress_->setMaximumWidth(240);
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    connect(cancel_, &QPushButton::clicked, this, [this] {
        pending_.clear();
        if (thread_)
            thread_->Terminate();
    });
    statusBar()->addPermanentWidget(loadingLabel_);
    statusBar()->addPermanentWidget(progress_);
    statusBar()->addPermanentWidget(cancel_);
    for (QWidget* w : {static_cast<QWidget*>(loadingLabel_), static_cast<QWidget*>(progress_), static_cast<QWidget*>(cancel_)})
        w->hide();
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &TTrendWindow::PollLoad);
    BuildMenus();
}

TTrendWindow::~TTrendWindow()
{
    // Followers hold series the graph owns: they go first. A load under way
    // is cancelled and waited for by the thread's destructor.
    followers_.clear();
    if (thread_)
        thread_->Terminate();
    thread_.reset();
}

void TTrendWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open..."), QKeySequence::Open, this, &TTrendWindow::OpenFile);
    file->addAction(QStringLiteral("&Export PNG..."), QKeySequence(Qt::CTRL | Qt::Key_E), this, &TTrendWindow::ExportAs);
    file->addAction(QStringLiteral("&Close all"), QKeySequence(Qt::CTRL | Qt::Key_W), this, &TTrendWindow::CloseAll);
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("&Whole data"), QKeySequence(Qt::Key_Home), this, [this] { graph_->DrawGraphic(); });
    followAction_ = view->addAction(QStringLiteral("&Follow the newest"), QKeySequence(Qt::CTRL | Qt::Key_F), this,
                                    [this] { graph_->SetFollow(true); graph_->update(); });
    followAction_->setEnabled(false);
}

void TTrendWindow::SetOpenDefaults(const TCsvOptions& options, bool follow)
{
    openOptions_ = options;
    openFollow_ = follow;
}

void TTrendWindow::OpenFile()
{
    TOpenDialog dialog(openOptions_, openFollow_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetOpenDefaults(dialog.Options(), dialog.Follow());
    Load(dialog.File(), openOptions_, openFollow_);
}

void TTrendWindow::Load(const QString& path, const TCsvOptions& options, bool follow)
{
    pending_.push_back({path, options, follow});
    if (!thread_)
        StartNext();
}

void TTrendWindow::StartNext()
{
    if (pending_.empty()) {
        for (QWidget* w : {static_cast<QWidget*>(loadingLabel_), static_cast<QWidget*>(progress_), static_cast<QWidget*>(cancel_)})
            w->hide();
        poll_.stop();
        emit LoadsDone();
        return;
    }
    const TPending next = pending_.front();
    pending_.pop_front();
    thread_ = std::make_unique<TLoadThread>(next.Path, next.Options, next.Follow);
    loadingLabel_->setText(QStringLiteral("Loading %1").arg(next.Path));
    progress_->setValue(0);
    for (QWidget* w : {static_cast<QWidget*>(loadingLabel_), static_cast<QWidget*>(progress_), static_cast<QWidget*>(cancel_)})
        w->show();
    poll_.start();
}

void TTrendWindow::PollLoad()
{
    progress_->setValue(thread_->Permille());
    if (!thread_->Finished())
        return;
    thread_->WaitFor();
    std::unique_ptr<TLoadThread> done = std::move(thread_);
    TLogReader& reader = done->Reader();
    if (!reader.Skipped().empty()) { // told once: a follower lists only what it skips later
        ReportSkipped(reader.Path(), reader.Skipped(), interactive_);
        reader.ClearSkipped();
    }
    if (!done->FatalException().isEmpty())
        Fail({reader.Path(), 0, 0, done->FatalException()}, QStringLiteral("not loaded"));
    else if (done->Loaded())
        Adopt(*done);
    else if (done->Terminated())
        statusBar()->showMessage(QStringLiteral("Loading %1 was cancelled").arg(reader.Path()), 5000);
    else
        Fail(reader.Fault(), QStringLiteral("not loaded"));
    StartNext();
}

void TTrendWindow::Fail(const TBadRow& fault, const QString& action)
{
    ++failed_;
    Complain(QStringLiteral("%1 (%2)").arg(fault.Text(), action));
}

void TTrendWindow::Complain(const QString& line)
{
    Report({line});
    if (interactive_)
        Dialogs::ShowError(line);
}

void TTrendWindow::Report(const QStringList& lines)
{
    problems_->appendPlainText(lines.join(QLatin1Char('\n')));
    problems_->show();
    for (const QString& line : lines)
        emit Problem(line);
}

void TTrendWindow::ReportSkipped(const QString& file, const std::vector<TBadRow>& rows, bool announce)
{
    QStringList lines;
    lines.reserve(qsizetype(rows.size()) + 1);
    for (const TBadRow& row : rows)
        lines << QStringLiteral("%1 (skipped)").arg(row.Text());
    const QString summary = QStringLiteral("%1: %2 bad row%3 skipped").arg(file).arg(rows.size()).arg(rows.size() == 1 ? "" : "s");
    lines << summary;
    Report(lines);
    statusBar()->showMessage(summary, 10000);
    if (announce)
        Dialogs::ShowWarning(QStringLiteral("%1 (each one is listed below the graph)").arg(summary));
}

void TTrendWindow::Adopt(TLoadThread& thread)
{
    TLogReader& reader = thread.Reader();
    std::vector<std::unique_ptr<TSeries>> series = thread.TakeSeries();
    std::vector<TSeries*> own;
    for (size_t k = 0; k < series.size(); ++k) {
        TSeries* s = series[k].get();
        own.push_back(s);
        s->Color = kColors[shown_.size() % std::size(kColors)];
        s->MinY = std::isfinite(reader.Low(int(k))) ? Floor(reader.Low(int(k))) : 0;
        s->MaxY = std::isfinite(reader.High(int(k))) ? Ceil(reader.High(int(k))) : 0;
        shown_.push_back({s, reader.FileName(), reader.Columns()[qsizetype(k)]});
    }
    Align(reader, own);
    NameSeries();
    for (auto& s : series)
        graph_->AddSerie(s.release());
    FitLimits();
    UpdateTitle();
    FitLegend();
    graph_->DrawGraphic();
    statusBar()->showMessage(QStringLiteral("%1: %2 rows").arg(reader.Path()).arg(reader.RowsRead()), 10000);
    if (thread.Follow()) {
        auto follower = std::make_unique<TFileFollower>(thread.TakeReader(), own);
        connect(follower.get(), &TFileFollower::Appended, this, &TTrendWindow::FollowerAppended);
        connect(follower.get(), &TFileFollower::Skipped, this, [this, file = reader.Path()](const std::vector<TBadRow>& rows) {
            ReportSkipped(file, rows, false);
        });
        connect(follower.get(), &TFileFollower::Stopped, this, [this](const TBadRow& fault) {
            Fail(fault, QStringLiteral("no longer followed"));
        });
        followers_.push_back(std::move(follower));
        followAction_->setEnabled(true);
    }
    if (!followers_.empty())
        graph_->SetFollow(true);
}

// Brings the reader's X origin and the window's together; the later day's
// series move by whole days.
void TTrendWindow::Align(TLogReader& reader, const std::vector<TSeries*>& own)
{
    if (!reader.HasOrigin()) {
        if (origin_)
            reader.SetOrigin(*origin_);
        return;
    }
    if (!origin_) {
        origin_ = reader.Origin();
        return;
    }
    if (reader.Origin() == *origin_)
        return;
    if (reader.Origin() > *origin_) {
        ShiftSeries(own, (reader.Origin() - *origin_) / 60);
        reader.SetOrigin(*origin_);
        return;
    }
    std::vector<TSeries*> others;
    for (const TShown& s : shown_)
        if (std::find(own.begin(), own.end(), s.Series) == own.end())
            others.push_back(s.Series);
    ShiftSeries(others, (*origin_ - reader.Origin()) / 60);
    origin_ = reader.Origin();
    for (const auto& f : followers_)
        if (&f->Reader() != &reader)
            f->Reader().SetOrigin(*origin_);
}

// Moved in place: the graph builds the indexes of its series anew.
void TTrendWindow::ShiftSeries(const std::vector<TSeries*>& series, double minutes)
{
    for (TSeries* s : series)
        for (TPoint2D& p : s->Points)
            p.X += minutes;
    graph_->PointsChanged(nullptr);
}

// A column's name alone, unless another file has a column of that name:
// then FILE:COLUMN (and a number where even that is not unique).
void TTrendWindow::NameSeries()
{
    std::map<QString, int> columns, full;
    for (const TShown& s : shown_) {
        ++columns[s.Column];
        ++full[s.File + QLatin1Char(':') + s.Column];
    }
    std::map<QString, int> seen;
    for (const TShown& s : shown_) {
        QString name = columns[s.Column] > 1 ? s.File + QLatin1Char(':') + s.Column : s.Column;
        if (full[s.File + QLatin1Char(':') + s.Column] > 1)
            name += QStringLiteral(" #%1").arg(++seen[name]);
        s.Series->Name = name;
    }
    legend_->UpdateList(-1);
}

void TTrendWindow::FitLimits()
{
    bool any = false;
    double first = 0, last = 0;
    for (const TShown& s : shown_) {
        const auto& points = s.Series->Points;
        if (points.empty())
            continue;
        first = any ? std::min(first, points.front().X) : points.front().X;
        last = any ? std::max(last, points.back().X) : points.back().X;
        any = true;
    }
    if (!any) {
        first = 0;
        last = 1440;
    }
    graph_->LimitXMin = Floor(first);
    graph_->LimitXMax = std::max(Ceil(last), graph_->LimitXMin + kMinimumMinutes);
    // Each series added set the Y limits to its own range; DrawGraphic widens
    // them over every series from there.
    graph_->LimitLeftMin = graph_->LimitRightMin = shown_.empty() ? 0 : shown_.front().Series->MinY;
    graph_->LimitLeftMax = graph_->LimitRightMax = shown_.empty() ? 100 : shown_.front().Series->MaxY;
}

void TTrendWindow::UpdateTitle()
{
    graph_->Title = origin_ ? QStringLiteral("Hours from %1 UTC")
                                  .arg(QDateTime::fromSecsSinceEpoch(qint64(*origin_), Qt::UTC)
                                           .toString(QStringLiteral("yyyy-MM-dd hh:mm")))
                            : QStringLiteral("Open a log with File > Open");
}

void TTrendWindow::FitLegend()
{
    // The legend sizes itself to the widest name when its list changes.
    legend_->setMinimumWidth(0);
    legend_->setMaximumWidth(QWIDGETSIZE_MAX);
    legend_->UpdateList(-1);
    legend_->setFixedWidth(std::max(legend_->width(), 150));
}

void TTrendWindow::FollowerAppended(TFileFollower* follower)
{
    TLogReader& reader = follower->Reader();
    const std::vector<TSeries*>& own = follower->Series();
    if (!origin_ || reader.Origin() != *origin_) { // the file's first rows came after it was opened
        Align(reader, own);
        UpdateTitle();
    }
    double newest = graph_->LimitXMax;
    for (size_t k = 0; k < own.size(); ++k) {
        TSeries* s = own[k];
        s->MinY = std::min(s->MinY, Floor(reader.Low(int(k))));
        s->MaxY = std::max(s->MaxY, Ceil(reader.High(int(k))));
        graph_->LimitLeftMin = std::min(graph_->LimitLeftMin, s->MinY);
        graph_->LimitLeftMax = std::max(graph_->LimitLeftMax, s->MaxY);
        if (!s->Points.empty())
            newest = std::max(newest, s->Points.back().X);
    }
    graph_->LimitXMax = Ceil(newest);
    for (TSeries* s : own)
        graph_->PointsAppended(s);
    graph_->update();
}

void TTrendWindow::CloseAll()
{
    followers_.clear();
    followAction_->setEnabled(false);
    graph_->SetFollow(false);
    graph_->EmptySeriesList();
    shown_.clear();
    origin_.reset();
    FitLimits();
    UpdateTitle();
    FitLegend();
    graph_->DrawGraphic();
    problems_->clear();
    problems_->hide();
}

void TTrendWindow::ExportAs()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export the view"), QString(),
                                                QStringLiteral("PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += QLatin1String(".png");
    if (ExportPng(path))
        statusBar()->showMessage(QStringLiteral("Exported %1").arg(path), 10000);
}

bool TTrendWindow::ExportPng(const QString& path)
{
    const QImage picture = view_->grab().toImage();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        Complain(QStringLiteral("%1: cannot write the picture: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}
