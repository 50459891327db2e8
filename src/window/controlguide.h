#pragma once

#include <QString>

class QGroupBox;
class QWidget;

namespace Ui {
class MainWindow;
}

// What each control of the main window is called and what it does, for
// screen readers and tooltips, and the order in which Tab walks through
// them. A control with a caption is named by its caption as it stands; the
// others take the nearest caption (their frame's or label's). The macro
// buttons keep their own tooltips: the macro texts.
void guideControls(Ui::MainWindow &ui);

// A frame's caption that changes while the program runs, and the name a
// screen reader reads for the frame with it.
void setFrameTitle(QGroupBox *frame, const QString &title);

// The text a control shows as its caption: a frame's title, a button's or
// label's text, a menu's title; empty for the others.
QString captionOf(const QWidget *widget);

// A caption as a screen reader should say it: without its access-key marker.
QString spokenCaption(const QString &caption);
