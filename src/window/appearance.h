#pragma once

class QApplication;

// The look the window's geometry was laid out for: a compact sans-serif at
// 8 points (11 pixels at 96 DPI) in the Fusion style, so captions fit the
// small buttons on every platform.
void applyAppearance(QApplication &app);
