#pragma once
// TStartupReport: a measuring aid for the start-up budget. When the
// environment variable QUIL_REPORT_STARTUP is set, the first paint of the
// watched window prints one line to standard output:
//   quil-demo: first paint at <milliseconds since the epoch> (<ms> after main)
// so that a script that noted the launch time can compute the whole start.
// Without the variable it does nothing.

#include <QElapsedTimer>
#include <QObject>

class QWidget;

class TStartupReport : public QObject {
public:
    // Starts the clock (call it first thing in main) and watches the window.
    explicit TStartupReport(QElapsedTimer sinceMain);
    void Watch(QWidget* window);

    static bool Requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer sinceMain_;
};
