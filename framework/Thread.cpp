#include "framework/Thread.h"

#include "framework/Exception.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <deque>
#include <memory>
#include <optional>

namespace {

struct SyncCall {
    std::function<void()> method;
    std::optional<QString> error; // the message of what the call threw
    bool done = false;
    bool ran = false;
};

struct SyncQueue {
    std::mutex mutex;
    std::condition_variable cv;
    std::deque<std::shared_ptr<SyncCall>> calls;
    bool closed = false;
};

SyncQueue& Queue()
{
    static SyncQueue q;
    return q;
}

bool OnGuiThread()
{
    auto* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace

void CheckSynchronize()
{
    auto& q = Queue();
    while (true) {
        std::shared_ptr<SyncCall> call;
        {
            std::lock_guard lock(q.mutex);
            if (q.calls.empty())
                return;
            call = q.calls.front();
            q.calls.pop_front();
        }
        // An exception belongs to the worker that handed the call over: it
        // must not leave that worker waiting, nor unwind the message loop.
        // The message is taken over rather than the exception object, which
        // the C++ runtime shares between threads out of the checkers' sight.
        try {
            call->method();
        } catch (const Exception& e) {
            call->error = e.Message;
        } catch (const std::exception& e) {
            call->error = QString::fromUtf8(e.what());
        } catch (...) {
            call->error = QStringLiteral("Unknown exception in a synchronized call");
        }
        {
            std::lock_guard lock(q.mutex);
            call->done = true;
            call->ran = true;
        }
        q.cv.notify_all();
    }
}

void CloseSynchronize()
{
    auto& q = Queue();
    {
        std::lock_guard lock(q.mutex);
        q.closed = true;
        for (auto& c : q.calls)
            c->done = true;
        q.calls.clear();
    }
    q.cv.notify_all();
}

uint32_t GetTickCount()
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// A start posted to the message loop; the destructor withdraws it, so a
// thread destroyed before the loop turns never starts.
struct TThread::PendingStart {
    std::mutex mutex;
    TThread* thread;

    explicit PendingStart(TThread* t) : thread(t) {}
    void Fire()
    {
        std::lock_guard lock(mutex);
        if (thread)
            thread->Resume();
    }
    void Withdraw()
    {
        std::lock_guard lock(mutex);
        thread = nullptr;
    }
};

TThread::TThread(bool createSuspended)
{
    if (createSuspended)
        return;
    // Execute is a virtual of the derived class, whose members do not exist
    // yet while this constructor runs: starting here would let the worker
    // run on a half-built object.
    pendingStart_ = std::make_shared<PendingStart>(this);
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [pending = pendingStart_] { pending->Fire(); }, Qt::QueuedConnection);
}

TThread::~TThread()
{
    if (pendingStart_)
        pendingStart_->Withdraw();
    // Always through the lock: a worker that has just set its flag may still
    // be notifying, and the object must outlive that.
    if (started_) {
        Terminate();
        WaitFor();
    }
}

void TThread::Resume()
{
    if (started_.exchange(true))
        return;
    // The worker is detached at once: WaitFor and the destructor wait on the
    // finished flag instead, and a self-releasing worker owns its object.
    // Held until the id is stored: a worker that finishes at once takes this
    // lock before it may release its object.
    std::lock_guard lock(mutex_);
    std::thread worker([this] { ThreadMain(); });
    workerId_ = worker.get_id();
    worker.detach();
}

void TThread::ThreadMain()
{
    try {
        Execute();
    } catch (const Exception& e) {
        std::lock_guard lock(mutex_);
        fatal_ = e.Message;
    } catch (const std::exception& e) {
        std::lock_guard lock(mutex_);
        fatal_ = QString::fromUtf8(e.what());
    }
    if (FreeOnTerminate) {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        delete this;
        return;
    }
    // Notified under the lock: once a waiter sees the flag it may destroy
    // this object, so nothing of it is touched after the unlock.
    std::lock_guard lock(mutex_);
    finished_ = true;
    finishedCv_.notify_all();
}

void TThread::WaitFor()
{
    if (!started_ && pendingStart_)
        Resume();
    if (!started_)
        return;
    const bool gui = OnGuiThread();
    std::unique_lock lock(mutex_);
    if (std::this_thread::get_id() == workerId_)
        return;
    while (!finished_) {
        if (gui) {
            // Polled rather than a timed wait: the worker may be blocked in a
            // Synchronize call that only this thread can run.
            lock.unlock();
            CheckSynchronize();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            lock.lock();
        } else {
            finishedCv_.wait(lock);
        }
    }
}

QString TThread::FatalException() const
{
    std::lock_guard lock(mutex_);
    return fatal_;
}

void TThread::Sleep(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool TThread::Synchronize(const std::function<void()>& method)
{
    if (OnGuiThread()) {
        method();
        return true;
    }
    auto& q = Queue();
    auto call = std::make_shared<SyncCall>();
    call->method = method;
    {
        std::lock_guard lock(q.mutex);
        if (q.closed)
            return false;
        q.calls.push_back(call);
    }
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { CheckSynchronize(); }, Qt::QueuedConnection);
    std::unique_lock lock(q.mutex);
    q.cv.wait(lock, [&] { return call->done; });
    if (call->error)
        throw Exception(*call->error);
    return call->ran;
}
