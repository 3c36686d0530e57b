#pragma once
// TSetpoints: the ventilation setpoints of a ventilation diagram, published
// there as the nested record "Setpoints". Fields are plain integers so that
// points and the front panel can refer to them; every setter stores a changed
// value and repaints the owning diagram. The target temperature and the alarm
// values are also handed to the shared TAllSetpoints.

#include "framework/Notify.h"

#include <QObject>

class TMasterDiagram;

class TSetpoints : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MinPositie MEMBER MinPositie WRITE SetMinPositie NOTIFY MinPositieChanged)
    Q_CLASSINFO("default:MinPositie", "10")
    Q_PROPERTY(int MaxPositie MEMBER MaxPositie WRITE SetMaxPositie NOTIFY MaxPositieChanged)
    Q_CLASSINFO("default:MaxPositie", "100")
    Q_PROPERTY(int MinAlarm MEMBER MinAlarm WRITE SetMinAlarm NOTIFY MinAlarmChanged)
    Q_CLASSINFO("default:MinAlarm", "50")
    Q_PROPERTY(int MaxAlarm MEMBER MaxAlarm WRITE SetMaxAlarm NOTIFY MaxAlarmChanged)
    Q_CLASSINFO("default:MaxAlarm", "70")
    Q_PROPERTY(int AbsMaxAlarm MEMBER AbsMaxAlarm WRITE SetAbsMaxAlarm NOTIFY AbsMaxAlarmChanged)
    Q_CLASSINFO("default:AbsMaxAlarm", "120")
    Q_PROPERTY(int Bandbreedte MEMBER Bandbreedte WRITE SetBandbreedte NOTIFY BandbreedteChanged)
    Q_CLASSINFO("default:Bandbreedte", "50")
    Q_PROPERTY(int StreefTemp MEMBER StreefTemp WRITE SetStreefTemp NOTIFY StreefTempChanged)
    Q_CLASSINFO("default:StreefTemp", "200")
    Q_CLASSINFO("shared:StreefTemp", "TMasterDiagram::AllSetpoints")
    Q_PROPERTY(int VerwarmVerschil MEMBER VerwarmVerschil WRITE SetVerwarmVerschil NOTIFY VerwarmVerschilChanged)
    Q_CLASSINFO("default:VerwarmVerschil", "15")
    Q_PROPERTY(int Verwarm1Absoluut MEMBER Verwarm1Absoluut WRITE SetVerwarm1Absoluut NOTIFY Verwarm1AbsoluutChanged)
    Q_CLASSINFO("default:Verwarm1Absoluut", "180")
    Q_PROPERTY(int Verwarm2Absoluut MEMBER Verwarm2Absoluut WRITE SetVerwarm2Absoluut NOTIFY Verwarm2AbsoluutChanged)
    Q_CLASSINFO("default:Verwarm2Absoluut", "180")
    Q_PROPERTY(int Verwarm3Absoluut MEMBER Verwarm3Absoluut WRITE SetVerwarm3Absoluut NOTIFY Verwarm3AbsoluutChanged)
    Q_CLASSINFO("default:Verwarm3Absoluut", "180")
    Q_PROPERTY(int Verwarm4Absoluut MEMBER Verwarm4Absoluut WRITE SetVerwarm4Absoluut NOTIFY Verwarm4AbsoluutChanged)
    Q_CLASSINFO("default:Verwarm4Absoluut", "180")
    Q_PROPERTY(int Nok1Verschil MEMBER Nok1Verschil WRITE SetNok1Verschil NOTIFY Nok1VerschilChanged)
    Q_CLASSINFO("default:Nok1Verschil", "0")
    Q_PROPERTY(int Nok2Verschil MEMBER Nok2Verschil WRITE SetNok2Verschil NOTIFY Nok2VerschilChanged)
    Q_CLASSINFO("default:Nok2Verschil", "0")
    Q_PROPERTY(int Nok3Verschil MEMBER Nok3Verschil WRITE SetNok3Verschil NOTIFY Nok3VerschilChanged)
    Q_CLASSINFO("default:Nok3Verschil", "0")
    Q_PROPERTY(int KoelVerschil MEMBER KoelVerschil WRITE SetKoelVerschil NOTIFY KoelVerschilChanged)
    Q_CLASSINFO("default:KoelVerschil", "30")
    Q_PROPERTY(int KoelAbsoluut MEMBER KoelAbsoluut WRITE SetKoelAbsoluut NOTIFY KoelAbsoluutChanged)
    Q_CLASSINFO("default:KoelAbsoluut", "240")
    Q_PROPERTY(int KoelVerschil1 MEMBER KoelVerschil1 WRITE SetKoelVerschil1 NOTIFY KoelVerschil1Changed)
    Q_CLASSINFO("default:KoelVerschil1", "30")
    Q_PROPERTY(int KoelAbsoluut1 MEMBER KoelAbsoluut1 WRITE SetKoelAbsoluut1 NOTIFY KoelAbsoluut1Changed)
    Q_CLASSINFO("default:KoelAbsoluut1", "240")
    Q_PROPERTY(int MengRelatief MEMBER MengRelatief WRITE SetMengRelatief NOTIFY MengRelatiefChanged)
    Q_CLASSINFO("default:MengRelatief", "0")
    Q_PROPERTY(int MengAbsoluut MEMBER MengAbsoluut WRITE SetMengAbsoluut NOTIFY MengAbsoluutChanged)
    Q_CLASSINFO("default:MengAbsoluut", "250")
    Q_PROPERTY(int MengVerschil MEMBER MengVerschil WRITE SetMengVerschil NOTIFY MengVerschilChanged)
    Q_CLASSINFO("default:MengVerschil", "30")

public:
    // The owner is repainted on every change and destroys the record.
    explicit TSetpoints(TMasterDiagram* owner);

    TMasterDiagram* Owner() const { return owner_; }

    // Fields in declaration order.
    int MinPositie = 10;
    int MaxPositie = 100;
    int MinAlarm = 50;
    int MaxAlarm = 70;
    int AbsMaxAlarm = 120;
    int StreefTemp = 185; // taken from the shared TAllSetpoints by the constructor
    int Bandbreedte = 50;
    int MengRelatief = 0;
    int MengVerschil = 0;
    int MengAbsoluut = 0;
    int VerwarmVerschil = -15;
    int Verwarm1Absoluut = 180;
    int Verwarm2Absoluut = 180;
    int Verwarm3Absoluut = 180;
    int Verwarm4Absoluut = 180;
    int Nok1Verschil = 0;
    int Nok2Verschil = 0;
    int Nok3Verschil = 0;
    int KoelVerschil = 30;
    int KoelAbsoluut = 240;
    int KoelVerschil1 = 30;
    int KoelAbsoluut1 = 240;

    void SetMinPositie(int value);
    void SetMaxPositie(int value);
    void SetMinAlarm(int value);
    void SetMaxAlarm(int value);
    void SetAbsMaxAlarm(int value);
    void SetBandbreedte(int value);
    void SetStreefTemp(int value);
    void SetVerwarmVerschil(int value);
    void SetVerwarm1Absoluut(int value);
    void SetVerwarm2Absoluut(int value);
    void SetVerwarm3Absoluut(int value);
    void SetVerwarm4Absoluut(int value);
    void SetNok1Verschil(int value);
    void SetNok2Verschil(int value);
    void SetNok3Verschil(int value);
    void SetKoelVerschil(int value);
    void SetKoelAbsoluut(int value);
    void SetKoelVerschil1(int value);
    void SetKoelAbsoluut1(int value);
    void SetMengRelatief(int value);
    void SetMengAbsoluut(int value);
    void SetMengVerschil(int value);

    // Raises the signals of the fields written in place (through references)
    // since the last notification.
    void NotifyChanges();

private:
    // Stores a changed value and repaints the owner; false when unchanged.
    bool Store(int& field, int value);

    TMasterDiagram* owner_;
    TNotifiedValues notified_;

signals:
    // Property notifications (see framework/Notify.h).
    void MinPositieChanged();
    void MaxPositieChanged();
    void MinAlarmChanged();
    void MaxAlarmChanged();
    void AbsMaxAlarmChanged();
    void BandbreedteChanged();
    void StreefTempChanged();
    void VerwarmVerschilChanged();
    void Verwarm1AbsoluutChanged();
    void Verwarm2AbsoluutChanged();
    void Verwarm3AbsoluutChanged();
    void Verwarm4AbsoluutChanged();
    void Nok1VerschilChanged();
    void Nok2VerschilChanged();
    void Nok3VerschilChanged();
    void KoelVerschilChanged();
    void KoelAbsoluutChanged();
    void KoelVerschil1Changed();
    void KoelAbsoluut1Changed();
    void MengRelatiefChanged();
    void MengAbsoluutChanged();
    void MengVerschilChanged();
};
