#pragma once
// Registers every component class the demo's window descriptions name, so
// that the windows can be read. Safe to call more than once.

class QWidget;

void RegisterAppComponents();

// Registers the components and hands the owner on: lets a form's constructor
// make sure of its component classes before its base is built, so that
// loading its description stays the constructor's first statement.
QWidget* WithAppComponents(QWidget* owner);
