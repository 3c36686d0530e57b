#pragma once
// Registers the instrument widgets on their component palette pages. Safe to
// call more than once.

void RegisterWidgetsComponents();
