#pragma once
// TVentThread: turns the fan picture of the main window's ventilation diagram.
// Each cycle advances the fan frame on the user-interface thread (which also
// repaints the diagram, so the control law and the status pictures follow)
// and then sleeps 110 minus the ventilation position milliseconds: the higher
// the position, the faster the fan turns. It has no data of its own and
// reaches the diagram through the application-wide MainForm reference.
//
// Shutdown is sound: the main window stops the thread and waits for it before
// its controls are released, so no cycle can touch a destroyed diagram. The
// sleep wakes at once when the thread is stopped.

#include "framework/Thread.h"

#include <condition_variable>
#include <mutex>
#include <optional>

class TVentThread final : public TThread {
public:
    // Starts running at once.
    TVentThread();
    // Stops the thread and waits for it to end.
    ~TVentThread() override;

    // Asks the thread to end and cuts its current sleep short; does not wait.
    void Stop();

    // Milliseconds between two fan frames at a ventilation position: 110 at 0,
    // 10 at 100. Positions outside 0..100 (contradictory setpoints) are held to
    // that range, so the thread neither spins nor sleeps for ages.
    static int SleepTime(int position);

protected:
    void Execute() override;

private:
    // The advance step, run on the user-interface thread: the next fan frame
    // while the position is above 0. Returns the position, or nothing when
    // there is no diagram (any more) to turn.
    std::optional<int> Advance();
    void Pause(int ms);

    std::mutex mutex_;
    std::condition_variable wake_;
};
