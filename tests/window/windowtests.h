#pragma once

#include "window/mainwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QObject>

// Clicks a button or triggers a menu item, as the host would.
inline void use(const MainWindow &window, const QString &control)
{
    if (auto *button = window.findChild<QAbstractButton *>(control))
        button->click();
    else
        window.findChild<QAction *>(control)->trigger();
}

// The window as laid out and as a host who cannot see it relies on, each
// of its buttons and menu items wired to its operation, its start-up and
// ways out, hostile player names taken through it, the panels' own widgets
// over the operations (the lists' menus, the colour panel, the macro editor,
// the real dialogs), and the window as assistive technology and the keyboard
// work it.
class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsNamedExplainedAndFitsItsCaption();
    void panelsSizesAndTabOrderFollowTheHostsChoices_data();
    void panelsSizesAndTabOrderFollowTheHostsChoices();
    void everyButtonAndMenuItemReachesItsOperation_data();
    void everyButtonAndMenuItemReachesItsOperation();

    void startUpTakesThePreviousFilesAndReadiesTheWindow_data();
    void startUpTakesThePreviousFilesAndReadiesTheWindow();
    void startUpStopsWithoutTheChatClient();
    void everyWayOutClosesTheChatLinkOnce_data();
    void everyWayOutClosesTheChatLinkOnce();
    void anUnwritableFolderIsToldAsItStands();

    void hostileNamesGoThroughTheGamesAndMessageBoxes_data();
    void hostileNamesGoThroughTheGamesAndMessageBoxes();
    void showsTheStartOfALongText_data();
    void showsTheStartOfALongText();

    void editsFromAListsMenuActOnThatList_data();
    void editsFromAListsMenuActOnThatList();
    void theColourPanelShowsTheCallerAndGivesToTheSelected();
    void eachPageEditsItsOwnMacro();
    void dialogsAskAsRequestedOverADisabledWindow();

    void checkBoxesCountHoweverTheyChange_data();
    void checkBoxesCountHoweverTheyChange();
};
