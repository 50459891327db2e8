#pragma once

#include <QObject>

// Whether the main window takes input. The long operations disable it while
// they speak, so that no second operation can start inside their pauses,
// and enable it again when they end.
class WindowInput : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isEnabled() const { return m_enabled; }
    void disable() { setEnabled(false); }
    void enable() { setEnabled(true); }

signals:
    void enabledChanged(bool enabled);

private:
    void setEnabled(bool enabled)
    {
        if (m_enabled == enabled)
            return;
        m_enabled = enabled;
        emit enabledChanged(enabled);
    }

    bool m_enabled = true;
};
