#pragma once

#include <QObject>

// Whether the main window takes input. The long operations hold it with a
// BusyGuard while they speak, so that no second operation can start inside
// their pauses; the window takes input again when the last guard ends.
class WindowInput : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isEnabled() const { return m_holds == 0; }

signals:
    void enabledChanged(bool enabled);

private:
    friend class BusyGuard;

    void hold()
    {
        if (m_holds++ == 0)
            emit enabledChanged(false);
    }
    void release()
    {
        if (--m_holds == 0)
            emit enabledChanged(true);
    }

    int m_holds = 0;
};
