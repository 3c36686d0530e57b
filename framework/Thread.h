#pragma once
// TThread: a worker thread with a terminated flag, a synchronous call into the
// user-interface thread, optional self-release when it ends, and WaitFor.
// Synchronize never deadlocks against WaitFor: a user-interface thread that
// waits for a worker keeps running the worker's synchronous calls.
// A thread created running starts once its whole constructor chain has run:
// on the message loop's next turn, or earlier through Resume or WaitFor.

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class TThread {
public:
    explicit TThread(bool createSuspended);
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Starts a thread created suspended (no effect once started).
    void Resume();
    void Start() { Resume(); }
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    // Waits for Execute to return; safe to call from the user-interface thread.
    void WaitFor();

    // Set before Resume: the object deletes itself when Execute returns.
    std::atomic<bool> FreeOnTerminate{false};
    // Text of an exception that escaped Execute, empty if none.
    QString FatalException() const;

    static void Sleep(int ms);

protected:
    virtual void Execute() = 0;
    // Runs the call on the user-interface thread and waits for it. Returns
    // false (without running it) when the application is shutting down. An
    // exception the call throws is thrown again here, on the worker, as an
    // Exception with its message.
    bool Synchronize(const std::function<void()>& method);

private:
    struct PendingStart;
    void ThreadMain();

    std::shared_ptr<PendingStart> pendingStart_;

    std::atomic<std::thread::id> workerId_;
    std::atomic<bool> started_{false};
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    mutable std::mutex mutex_;
    std::condition_variable finishedCv_;
    QString fatal_;
};

// Runs the synchronous calls that workers have queued; the message loop calls
// it, and so does WaitFor.
void CheckSynchronize();
// Makes every pending and future Synchronize return without running (at quit).
void CloseSynchronize();

// Milliseconds since an arbitrary start, wrapping at 2^32 like the classic call.
uint32_t GetTickCount();
