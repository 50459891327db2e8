#pragma once

#include <QFont>
#include <QObject>
#include <QString>

// What a host who cannot see the window, or does not know it yet, relies
// on: every control named as its caption says, every button explained,
// Tab walking the panels in reading order, captions that fit, access keys.
class ControlGuideTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyControlIsNamedAndEveryButtonExplained();
    void pagedControlsAreNamedAfterThePageShown();
    void captionsFitTheirControls();
    void tabWalksEachPanelInReadingOrder_data();
    void tabWalksEachPanelInReadingOrder();
    void exitAccessKeyClosesTheWindow_data();
    void exitAccessKeyClosesTheWindow();
    void macroDialogsOpenWhereTheFilesAreKept();

private:
    QFont m_font;
    QString m_style;
};
