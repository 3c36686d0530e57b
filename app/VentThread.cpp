#include "app/VentThread.h"

#include "app/MainForm.h"
#include "diagram/LvdVentDiagram.h"

#include <algorithm>
#include <chrono>

TVentThread::TVentThread() : TThread(true)
{
    Resume();
}

TVentThread::~TVentThread()
{
    // Wait here, not in the base: Execute uses this object's members.
    Stop();
    WaitFor();
}

void TVentThread::Stop()
{
    {
        std::lock_guard lock(mutex_);
        Terminate();
    }
    wake_.notify_all();
}

int TVentThread::SleepTime(int position)
{
    return 110 - std::clamp(position, 0, 100);
}

void TVentThread::Execute()
{
    while (!Terminated()) {
        std::optional<int> position;
        // A call that does not run means the application is shutting down.
        if (!Synchronize([this, &position] { position = Advance(); }))
            break;
        Pause(SleepTime(position.value_or(0)));
    }
}

std::optional<int> TVentThread::Advance()
{
    if (Terminated() || !MainForm || !MainForm->Diagram)
        return std::nullopt;
    TLvdVentDiagram* diagram = MainForm->Diagram;
    if (diagram->VentilatieStand() > 0)
        diagram->SetVentIndex(diagram->VentIndex() + 1);
    return diagram->VentilatieStand();
}

void TVentThread::Pause(int ms)
{
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return Terminated(); });
}
