#pragma once

#include <QObject>

#include <array>

class HostSettings;

// The Settings menu's options: the pacing delay (item 13) with the Delay
// menu's check marks and its scroll bar (VScroll2), and "Stay On Top".
// The menu and the scroll bar each set the delay on their own, so they can
// disagree until the scroll bar moves again.
class WindowOptions : public QObject
{
    Q_OBJECT

public:
    // The Delay menu's items, which set the delay to their index in seconds.
    enum DelayItem {
        NoDelay,      // mnunone "None"
        OneSecond,    // mnu1 "1"
        TwoSeconds,   // mnu2 "2"
        ThreeSeconds, // mnu3 "3"
        DelayItemCount
    };

    explicit WindowOptions(HostSettings &settings, QObject *parent = nullptr);

    bool isMarked(DelayItem item) const { return m_marks.at(item); }
    int scrollValue() const { return m_scroll; }
    bool isStayOnTop() const { return m_stayOnTop; }

    void chooseDelay(DelayItem item);
    void setScrollValue(int value);
    // The check marks from item 13: "0" to "3" mark their item alone; any
    // other text leaves the marks as they are.
    void markFromDelay();

    void toggleStayOnTop();
    void setStayOnTop(bool on);

signals:
    void marksChanged();
    void scrollChanged(int value);
    void stayOnTopChanged(bool on);

private:
    void markOnly(DelayItem item);

    HostSettings &m_settings;
    std::array<bool, DelayItemCount> m_marks{true, false, false, false};
    int m_scroll = 1;
    bool m_stayOnTop = true;
};
