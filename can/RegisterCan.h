#pragma once
// Registers the CAN objects on the palette page "Can". Safe to call more than once.

void RegisterCanComponents();
