#include "qml/QuilDigInObj.h"

#include "can/DigInObj.h"

QuilDigInObj::QuilDigInObj(QObject* parent) : QuilCanNode(new TDigInObj, parent) {}

TDigInObj* QuilDigInObj::Digital() const { return static_cast<TDigInObj*>(Node()); }

bool QuilDigInObj::LogicInput() const { return Digital() && Digital()->LogicInput; }

void QuilDigInObj::SetLogicInput(bool value)
{
    if (!Digital() || Digital()->LogicInput == value)
        return;
    Digital()->LogicInput = value;
    emit logicInputChanged();
}

int QuilDigInObj::CounterInput() const { return Digital() ? Digital()->CounterInput : 0; }

void QuilDigInObj::SetCounterInput(int value)
{
    if (!Digital() || Digital()->CounterInput == value)
        return;
    Digital()->CounterInput = value;
    emit counterInputChanged();
}

int QuilDigInObj::Function() const { return Digital() ? Digital()->Function : 0; }

// As a configuration would set it: the function word's low four bits.
void QuilDigInObj::SetFunction(int value)
{
    if (!Digital() || Digital()->Function == (value & 0x0F))
        return;
    Digital()->FunctionWord = value;
    Digital()->Function = value & 0x0F;
    emit componentFunctionChanged();
}
