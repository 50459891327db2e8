#include "window/windowoptions.h"

#include "settings/hostsettings.h"

WindowOptions::WindowOptions(HostSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{}

void WindowOptions::chooseDelay(DelayItem item)
{
    m_settings.setItem(HostSettings::Delay, QString::number(item));
    markOnly(item);
}

void WindowOptions::setScrollValue(int value)
{
    if (value < 0 || value > 3)
        return;
    if (m_scroll != value) {
        m_scroll = value;
        emit scrollChanged(value);
    }
    m_settings.setItem(HostSettings::Delay, QString::number(value));
    markFromDelay();
}

void WindowOptions::markFromDelay()
{
    // Four tests one after the other, each reading the item again.
    for (int item = NoDelay; item < DelayItemCount; ++item) {
        if (m_settings.item(HostSettings::Delay) == QString::number(item))
            markOnly(static_cast<DelayItem>(item));
    }
}

void WindowOptions::toggleStayOnTop()
{
    setStayOnTop(!m_stayOnTop);
}

void WindowOptions::setStayOnTop(bool on)
{
    m_stayOnTop = on;
    emit stayOnTopChanged(on); // even when unchanged: start-up makes the window top-most
}

void WindowOptions::markOnly(DelayItem item)
{
    for (int i = 0; i < DelayItemCount; ++i)
        m_marks[i] = i == item;
    emit marksChanged(); // even when unchanged: a click has flipped the item's own mark
}
