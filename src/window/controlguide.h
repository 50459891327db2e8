#pragma once

#include <QString>

class QGroupBox;
class QWidget;
struct WindowControls;

namespace Ui {
class MainWindow;
}

// What the controls of the main window are called and what they do, for
// screen readers and tooltips, where mainwindow.ui cannot say it: the frames
// and menus, the array elements, which take their index or colour, and the
// paging scroll bars, which follow their page. The fixed names and tooltips
// and the tab order are in mainwindow.ui. A control with a caption is named
// by its caption as it stands; the others take the nearest caption (their
// frame's or label's). The macro buttons keep their own tooltips: the macro
// texts.
void guideControls(Ui::MainWindow &ui, const WindowControls &controls);

// A frame's caption that changes while the program runs, and the name a
// screen reader reads for the frame with it.
void setFrameTitle(QGroupBox *frame, const QString &title);

// The text a control shows as its caption: a frame's title, a button's or
// label's text, a menu's title; empty for the others.
QString captionOf(const QWidget *widget);

// A caption as a screen reader should say it: without its access-key marker.
QString spokenCaption(const QString &caption);
