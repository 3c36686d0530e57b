#pragma once
// Registers the framework's standard controls (form parts, panel, group box,
// image, speed button, label, timer) on the "Standard" palette page. Safe to
// call more than once; the window-description reader calls it itself.
void RegisterStandardComponents();
