// The quick text sizes: Ctrl+Shift+> and Ctrl+Shift+< (taken by virtual key, so that every
// keyboard layout has them) and Ctrl with the mouse wheel make a pad's text a common size
// larger or smaller.
#pragma once
#include <windows.h>

// Whether the message asks for quick sizes; nSteps is then how many, positive for larger.
// Such a message goes no further: the keys type nothing, the wheel scrolls nothing.
// nWheelRest keeps what a fine wheel turned short of a whole step.
BOOL TakeTextSizeMessage(const MSG& msg, int& nWheelRest, int& nSteps);

// The size nSteps common sizes away from nSize, in tenths of a point, within the bounds.
int StepTextSize(int nSize, int nSteps);
