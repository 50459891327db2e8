#pragma once

#include <QObject>

class ListEditingTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheRightButtonOpensTheListsMenu_data();
    void onlyTheRightButtonOpensTheListsMenu();
    void editsActOnTheirOwnList_data();
    void editsActOnTheirOwnList();
    void aRemovedPlayerIsNotTakenInAgain();
};
