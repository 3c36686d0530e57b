#include "diagram/Setpoints.h"

#include "diagram/AllSetpoints.h"
#include "diagram/MasterDiagram.h"

TSetpoints::TSetpoints(TMasterDiagram* owner) : QObject(owner), owner_(owner)
{
    setObjectName(QStringLiteral("Setpoints"));
    if (TMasterDiagram::AllSetpoints)
        StreefTemp = TMasterDiagram::AllSetpoints->StreefTemp;
    notified_.Track(this);
}

void TSetpoints::NotifyChanges()
{
    notified_.Notify(this);
}

bool TSetpoints::Store(int& field, int value)
{
    if (field == value)
        return false;
    field = value;
    if (owner_)
        owner_->Invalidate();
    NotifyChanges();
    return true;
}

void TSetpoints::SetMinPositie(int value) { Store(MinPositie, value); }
void TSetpoints::SetMaxPositie(int value) { Store(MaxPositie, value); }

void TSetpoints::SetMinAlarm(int value)
{
    if (MinAlarm != value && TMasterDiagram::AllSetpoints)
        TMasterDiagram::AllSetpoints->SetMinAlarm(value);
    Store(MinAlarm, value);
}

void TSetpoints::SetMaxAlarm(int value)
{
    if (MaxAlarm != value && TMasterDiagram::AllSetpoints)
        TMasterDiagram::AllSetpoints->SetMaxAlarm(value);
    Store(MaxAlarm, value);
}

void TSetpoints::SetAbsMaxAlarm(int value)
{
    if (AbsMaxAlarm != value && TMasterDiagram::AllSetpoints)
        TMasterDiagram::AllSetpoints->SetAbsMaxAlarm(value);
    Store(AbsMaxAlarm, value);
}

void TSetpoints::SetStreefTemp(int value)
{
    if (StreefTemp != value && TMasterDiagram::AllSetpoints)
        TMasterDiagram::AllSetpoints->SetStreefTemp(value);
    Store(StreefTemp, value);
}

void TSetpoints::SetBandbreedte(int value) { Store(Bandbreedte, value); }
void TSetpoints::SetVerwarmVerschil(int value) { Store(VerwarmVerschil, value); }
void TSetpoints::SetVerwarm1Absoluut(int value) { Store(Verwarm1Absoluut, value); }
void TSetpoints::SetVerwarm2Absoluut(int value) { Store(Verwarm2Absoluut, value); }
void TSetpoints::SetVerwarm3Absoluut(int value) { Store(Verwarm3Absoluut, value); }
void TSetpoints::SetVerwarm4Absoluut(int value) { Store(Verwarm4Absoluut, value); }
void TSetpoints::SetNok1Verschil(int value) { Store(Nok1Verschil, value); }
void TSetpoints::SetNok2Verschil(int value) { Store(Nok2Verschil, value); }
void TSetpoints::SetNok3Verschil(int value) { Store(Nok3Verschil, value); }
void TSetpoints::SetKoelVerschil(int value) { Store(KoelVerschil, value); }
void TSetpoints::SetKoelAbsoluut(int value) { Store(KoelAbsoluut, value); }
void TSetpoints::SetKoelVerschil1(int value) { Store(KoelVerschil1, value); }
void TSetpoints::SetKoelAbsoluut1(int value) { Store(KoelAbsoluut1, value); }
void TSetpoints::SetMengRelatief(int value) { Store(MengRelatief, value); }
void TSetpoints::SetMengAbsoluut(int value) { Store(MengAbsoluut, value); }
void TSetpoints::SetMengVerschil(int value) { Store(MengVerschil, value); }
