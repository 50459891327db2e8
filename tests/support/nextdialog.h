#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the next modal dialog of type T once it is up: a real dialog runs
// its own event loop, so the answer comes from a timer that looks for it
// while that loop runs. The timer gives up with the object that owns it.
template<typename T>
void whenDialogOpens(QObject *owner, std::function<void(T *)> answer)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer = std::move(answer)] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(dialog);
    });
    timer->start();
}
