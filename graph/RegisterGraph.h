#pragma once
// Puts the trend graph and its legend on their component palette page, so
// that the window-description reader can create them by class name.

void RegisterGraphComponents();
