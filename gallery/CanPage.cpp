#include "gallery/CanPage.h"

#include "can/AnaInObj.h"
#include "can/CanHost.h"
#include "can/DigInObj.h"
#include "can/SimulatedCanBus.h"
#include "can/SimulatedCanNetwork.h"
#include "framework/ComponentRegistry.h"
#include "framework/Timer.h"
#include "gallery/CanMasterPanel.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>

namespace {

const QStringList kAddress = {"CardNr", "CardID", "ComponentNr", "ComponentID", "Prioriteit"};

QSlider* Slider(int max, int value)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, max);
    slider->setValue(value);
    slider->setMinimumWidth(200);
    return slider;
}

// A label showing the node's converted value after every poll.
template <class Node>
QLabel* ValueLabel(Node* node)
{
    auto* label = new QLabel(QStringLiteral("Value: %1").arg(node->Value));
    QObject::connect(node->PollTimer, &TTimer::OnTimer, label, [label, node] {
        label->setText(QStringLiteral("Value: %1, function %2").arg(node->Value).arg(node->Function));
    });
    return label;
}

} // namespace

TCanPage::TCanPage(QWidget* parent)
    : TGalleryPage(PalettePage::Can, parent, 1), network_(new TSimulatedCanNetwork(this)),
      host_(new TCanHost(std::make_unique<TSimulatedCanBus>(network_), this))
{
    auto* analog = new TAnaInObj;
    auto* digital = new TDigInObj;
    auto* card = new TCanCBase;
    card->SetCardID(2);
    card->SetComponentID(1);
    host_->AddNode(analog);
    host_->AddNode(digital);
    host_->AddNode(card);
    master_ = new TCanMasterPanel(new TSimulatedCanBus(network_, this), host_);
    AddNodeSection(analog, AnalogPanel(analog), kAddress);
    AddNodeSection(digital, DigitalPanel(digital), kAddress);
    AddNodeSection(card, master_, kAddress);
    // The analog input starts configured (the panel's bytes are its
    // configuration), so its values travel the wire from the start.
    master_->Download();
}

QWidget* TCanPage::AnalogPanel(TAnaInObj* node)
{
    auto* panel = new QWidget;
    auto* form = new QFormLayout(panel);
    node->InputValue = 110;
    auto* raw = Slider(250, node->InputValue);
    connect(raw, &QSlider::valueChanged, panel, [node](int value) { node->InputValue = value; });
    form->addRow(QStringLiteral("Raw reading"), raw);
    form->addRow(ValueLabel(node));
    return panel;
}

QWidget* TCanPage::DigitalPanel(TDigInObj* node)
{
    auto* panel = new QWidget;
    auto* form = new QFormLayout(panel);
    auto* level = new QCheckBox(QStringLiteral("Input high"));
    connect(level, &QCheckBox::toggled, panel, [node](bool on) { node->LogicInput = on; });
    auto* pulses = Slider(1000, node->CounterInput);
    connect(pulses, &QSlider::valueChanged, panel, [node](int value) { node->CounterInput = value; });
    form->addRow(QStringLiteral("Logic level"), level);
    form->addRow(QStringLiteral("Pulse counter"), pulses);
    form->addRow(ValueLabel(node));
    return panel;
}
