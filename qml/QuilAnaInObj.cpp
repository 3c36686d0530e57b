#include "qml/QuilAnaInObj.h"

#include "can/AnaInObj.h"

QuilAnaInObj::QuilAnaInObj(QObject* parent) : QuilCanNode(new TAnaInObj, parent) {}

TAnaInObj* QuilAnaInObj::Analog() const { return static_cast<TAnaInObj*>(Node()); }

void QuilAnaInObj::Store(int TAnaInObj::*member, int value, void (QuilAnaInObj::*changed)())
{
    TAnaInObj* node = Analog();
    if (!node || node->*member == value)
        return;
    node->*member = value;
    emit(this->*changed)();
}

int QuilAnaInObj::InputValue() const { return Analog() ? Analog()->InputValue : 0; }
void QuilAnaInObj::SetInputValue(int value) { Store(&TAnaInObj::InputValue, value, &QuilAnaInObj::inputValueChanged); }
int QuilAnaInObj::Function() const { return Analog() ? Analog()->Function : 0; }
void QuilAnaInObj::SetFunction(int value) { Store(&TAnaInObj::Function, value, &QuilCanNode::componentFunctionChanged); }
int QuilAnaInObj::AdcLow() const { return Analog() ? Analog()->AdcLow : 0; }
void QuilAnaInObj::SetAdcLow(int value) { Store(&TAnaInObj::AdcLow, value, &QuilAnaInObj::scalingChanged); }
int QuilAnaInObj::AdcHigh() const { return Analog() ? Analog()->AdcHigh : 0; }
void QuilAnaInObj::SetAdcHigh(int value) { Store(&TAnaInObj::AdcHigh, value, &QuilAnaInObj::scalingChanged); }
int QuilAnaInObj::ScaleLow() const { return Analog() ? Analog()->ScaleLow : 0; }
void QuilAnaInObj::SetScaleLow(int value) { Store(&TAnaInObj::ScaleLow, value, &QuilAnaInObj::scalingChanged); }
int QuilAnaInObj::ScaleHigh() const { return Analog() ? Analog()->ScaleHigh : 0; }
void QuilAnaInObj::SetScaleHigh(int value) { Store(&TAnaInObj::ScaleHigh, value, &QuilAnaInObj::scalingChanged); }
