#pragma once
// TTrendWindow: quil-trend's window. Logged files are loaded one after the
// other on a worker thread (a progress bar and a Cancel button meanwhile; the
// graph and the menus stay usable) and join the trend graph only once read
// whole, so a load that stops leaves the graph as it was. Followed files are
// then read on as they grow. Faults and skipped rows are listed below the
// graph, each with its file, line and column.
//
// X is in minutes from midnight (UTC) of the earliest day loaded, the trend
// graph's minutes axis, so labels read as times of day (hours count on past
// 24:00 for later days). A file that starts on an earlier day moves the
// series already shown by whole days.

#include "trend/BadRow.h"
#include "trend/CsvOptions.h"

#include <QMainWindow>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class TFileFollower;
class TKivGraph;
class TLegenda;
class TLoadThread;
class TLogReader;
class TSeries;

class TTrendWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TTrendWindow(QWidget* parent = nullptr);
    ~TTrendWindow() override;

    // Queues a file to load (and then follow).
    void Load(const QString& path, const TCsvOptions& options, bool follow);
    // Writes the graph and its legend as a PNG, whole or not at all; false
    // (and the fault reported) when it cannot.
    bool ExportPng(const QString& path);
    // Message boxes for faults (off for scripted runs, which read Problem()).
    void SetInteractive(bool on) { interactive_ = on; }
    // The choices the open dialog starts with.
    void SetOpenDefaults(const TCsvOptions& options, bool follow);

    TKivGraph& Graph() const { return *graph_; }
    // Files whose load stopped (a fault) since the start.
    int FailedLoads() const { return failed_; }

signals:
    // Each line listed below the graph: a fault, a skipped row, a summary.
    void Problem(const QString& line);
    // Nothing is queued or loading any more.
    void LoadsDone();

private:
    struct TShown {
        TSeries* Series;
        QString File;
        QString Column;
    };

    void BuildMenus();
    void OpenFile();
    void ExportAs();
    void CloseAll();
    void StartNext();
    void PollLoad();
    void Adopt(TLoadThread& thread);
    void Align(TLogReader& reader, const std::vector<TSeries*>& own);
    void ShiftSeries(const std::vector<TSeries*>& series, double minutes);
    void NameSeries();
    void FitLimits();
    void UpdateTitle();
    void FitLegend();
    void FollowerAppended(TFileFollower* follower);
    void Report(const QStringList& lines);
    void ReportSkipped(const QString& file, const std::vector<TBadRow>& rows, bool announce);
    void Fail(const TBadRow& fault, const QString& action);
    void Complain(const QString& line);

    TKivGraph* graph_;
    TLegenda* legend_;
    QWidget* view_;
    QPlainTextEdit* problems_;
    QLabel* loadingLabel_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QAction* followAction_ = nullptr;
    QTimer poll_;

    struct TPending {
        QString Path;
        TCsvOptions Options;
        bool Follow;
    };
    std::deque<TPending> pending_;
    std::unique_ptr<TLoadThread> thread_;
    std::vector<std::unique_ptr<TFileFollower>> followers_;
    std::vector<TShown> shown_;
    std::optional<double> origin_; // Unix seconds of X = 0
    TCsvOptions openOptions_;
    bool openFollow_ = false;
    bool interactive_ = true;
    int failed_ = 0;
};
