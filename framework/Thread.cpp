#include "framework/Thread.h"

#include "framework/Exception.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <deque>
#include <memory>

namespace {

struct SyncCall {
    std::function<void()> method;
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
        call->method();
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

TThread::TThread(bool createSuspended)
{
    if (!createSuspended)
        Resume();
}

TThread::~TThread()
{
    if (thread_.joinable()) {
        Terminate();
        WaitFor();
        thread_.join();
    }
}

void TThread::Resume()
{
    if (started_.exchange(true))
        return;
    // The worker waits for this lock, so thread_ is assigned before it can
    // detach itself.
    std::lock_guard lock(mutex_);
    thread_ = std::thread([this] { ThreadMain(); });
    workerId_ = thread_.get_id();
}

void TThread::ThreadMain()
{
    { std::lock_guard lock(mutex_); }
    try {
        Execute();
    } catch (const Exception& e) {
        std::lock_guard lock(mutex_);
        fatal_ = e.Message;
    } catch (const std::exception& e) {
        std::lock_guard lock(mutex_);
        fatal_ = QString::fromUtf8(e.what());
    }
    const bool selfRelease = FreeOnTerminate;
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    finishedCv_.notify_all();
    if (selfRelease) {
        {
            std::lock_guard lock(mutex_);
            thread_.detach();
        }
        delete this;
    }
}

void TThread::WaitFor()
{
    if (!started_)
        return;
    const bool gui = OnGuiThread();
    std::unique_lock lock(mutex_);
    if (std::this_thread::get_id() == workerId_)
        return;
    while (!finished_) {
        if (gui) {
            lock.unlock();
            CheckSynchronize();
            lock.lock();
            finishedCv_.wait_for(lock, std::chrono::milliseconds(1));
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
    return call->ran;
}
