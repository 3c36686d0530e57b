#pragma once
// TCurveSetpoints: the curve record of a curve diagram. It always owns the
// TCurveStruct it works on: either one it made itself (ten points at X 0, 5,
// .., 45, all at Y 50) or one a caller handed over.

#include "diagram/CurveStruct.h"

#include <QObject>
#include <memory>

class TMasterDiagram;

class TCurveSetpoints : public QObject {
    Q_OBJECT
public:
    explicit TCurveSetpoints(TMasterDiagram* owner);
    // Takes over the caller's record; a null record gets a default one.
    TCurveSetpoints(TMasterDiagram* owner, TCurveStruct* curve);
    ~TCurveSetpoints() override;

    TMasterDiagram* Owner() const { return owner_; }
    TCurveStruct* CurveStruct() const { return curve_.get(); }

private:
    static std::unique_ptr<TCurveStruct> DefaultCurve();

    TMasterDiagram* owner_;
    std::unique_ptr<TCurveStruct> curve_;
};
