#include "window/controlguide.h"

#include "ui_mainwindow.h"
#include "window/windowcontrols.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

#include <initializer_list>

using namespace Qt::StringLiterals;

namespace {

// Paging scroll bars are named after the frame whose caption says the page.
// Qt would take the frame's caption too, but would not tell a screen reader
// of the change; setting the name does.
void nameAfterFrame(QScrollBar *bar, const QGroupBox *frame)
{
    bar->setAccessibleName(frame->title());
    // Connected after the panels that retitle the frame, so it runs after them.
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [bar, frame] { bar->setAccessibleName(frame->title()); });
}

} // namespace

void setFrameTitle(QGroupBox *frame, const QString &title)
{
    frame->setTitle(title);
    frame->setAccessibleName(spokenCaption(title));
}

QString captionOf(const QWidget *widget)
{
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *menu = qobject_cast<const QMenu *>(widget))
        return menu->title();
    return {};
}

QString spokenCaption(const QString &caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i; // "&&" is a plain ampersand; "&E" marks the access key E
        spoken += caption[i];
    }
    return spoken;
}

void guideControls(Ui::MainWindow &ui, const WindowControls &controls)
{
    QWidget *window = ui.client->window();
    // Qt names a button or label after its caption as it stands, so they get
    // no name here: it would stay when the caption changes. Qt would name a
    // frame within a frame after the outer one, and a menu not at all: they
    // are named here, and a frame whose caption changes by setFrameTitle.
    for (QGroupBox *frame : ui.client->findChildren<QGroupBox *>())
        frame->setAccessibleName(spokenCaption(frame->title()));
    for (QMenu *menu : window->findChildren<QMenu *>())
        menu->setAccessibleName(spokenCaption(menu->title()));

    // The arrays: each element takes its row's or page's caption.
    for (int c = 0; c < ColourCaller::ColourCount; ++c) {
        const QString colour = ColourCaller::nameOf(static_cast<ColourCaller::Colour>(c));
        const WindowControls::Colour &parts = controls.colours[c];
        parts.inPlay->setAccessibleName(colour);
        parts.inPlay->setToolTip(colour + u" is in play: it can still be given, and Say colors names it"_s);
        parts.holder->setAccessibleName(colour);
        parts.holder->setToolTip(u"Who holds "_s + colour);
    }
    for (int i = 0; i < PrizeList::kCount; ++i) {
        controls.prizeBoxes[i]->setAccessibleName(u"Prize # "_s + QString::number(i + 1));
        controls.prizeBoxes[i]->setToolTip(u"The prize for place "_s + QString::number(i + 1));
    }
    for (int i = 0; i < MacroBank::kCount; ++i) {
        QTextEdit *macro = controls.macroBoxes[i];
        macro->setAccessibleName(u"Macro #"_s + QString::number(i + 1));
        macro->setToolTip(u"Each line is said in the room in turn when macro button "_s + QString::number(i + 1)
                          + u" is clicked"_s);
        // Tab leaves a macro box rather than typing a tab the room would not show.
        macro->setTabChangesFocus(true);
    }
    nameAfterFrame(ui.HScroll1, ui.fra1);
    nameAfterFrame(ui.VScroll1, ui.Frame17);

    // The scroll bars that set a value can be worked from the keyboard too.
    for (QScrollBar *bar : {ui.HScroll1, ui.VScroll1, ui.VScroll2})
        bar->setFocusPolicy(Qt::StrongFocus);
}
