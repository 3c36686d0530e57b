#include "qml/QuilCanNode.h"

#include "can/CanInputObj.h"
#include "framework/Timer.h"

QuilCanNode::QuilCanNode(TCanInputObj* node, QObject* parent) : QObject(parent), node_(node)
{
    connect(node, &TCanCBase::CardNrChanged, this, &QuilCanNode::cardNrChanged);
    connect(node, &TCanCBase::CardIDChanged, this, &QuilCanNode::cardIDChanged);
    connect(node, &TCanCBase::ComponentNrChanged, this, &QuilCanNode::componentNrChanged);
    connect(node, &TCanCBase::ComponentIDChanged, this, &QuilCanNode::componentIDChanged);
    connect(node, &TCanCBase::PrioriteitChanged, this, &QuilCanNode::prioriteitChanged);
    connect(node, &TCanInputObj::OnFunctionChange, this, &QuilCanNode::componentFunctionChanged);
    // Connected after the node's own poll, so the value read is the new one.
    connect(node->PollTimer, &TTimer::OnTimer, this, &QuilCanNode::AfterPoll);
}

TCanInputObj* QuilCanNode::Node() const { return node_; }

// The object leaves its host's bus with its QML face (the host forgets it).
QuilCanNode::~QuilCanNode() { delete node_; }

void QuilCanNode::AfterPoll()
{
    if (!node_ || node_->Value == value_)
        return;
    value_ = node_->Value;
    emit valueChanged();
}

// A value that does not fit its field of the node identifier is refused by
// the library object, which says why.
int QuilCanNode::CardNr() const { return node_ ? node_->CardNr() : 0; }
void QuilCanNode::SetCardNr(int value) { if (node_) node_->SetCardNr(value); }
int QuilCanNode::CardID() const { return node_ ? node_->CardID() : 0; }
void QuilCanNode::SetCardID(int value) { if (node_) node_->SetCardID(value); }
int QuilCanNode::ComponentNr() const { return node_ ? node_->ComponentNr() : 0; }
void QuilCanNode::SetComponentNr(int value) { if (node_) node_->SetComponentNr(value); }
int QuilCanNode::ComponentID() const { return node_ ? node_->ComponentID() : 0; }
void QuilCanNode::SetComponentID(int value) { if (node_) node_->SetComponentID(value); }
int QuilCanNode::Prioriteit() const { return node_ ? node_->Prioriteit() : 0; }
void QuilCanNode::SetPrioriteit(int value) { if (node_) node_->SetPrioriteit(value); }
