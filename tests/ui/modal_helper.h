#pragma once

// Answers the next modal dialog of a test: a polling timer waits for the active modal widget of
// the expected type, acts on it, and gives up after a deadline so that no test can hang on a
// dialog that never appears (or on one that was not expected).

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace tessarin::test {

struct ModalAnswer {
    bool answered = false;
};

// Calls `act` with the first modal widget of type T that becomes active within `timeoutMs`.
// The returned record tells afterwards whether it was found.
template <typename T>
std::shared_ptr<ModalAnswer> WhenModal(std::function<void(T*)> act, int timeoutMs = 5000) {
    auto answer = std::make_shared<ModalAnswer>();
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, act, timeoutMs]() {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer->answered = true;
            act(widget);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
    return answer;
}

}  // namespace tessarin::test
