#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

// Acts on a modal window once it is open, so that a test can call code that runs a modal
// loop: WhenModal<QMessageBox>([](QMessageBox* box) { ... close it ... }); then call the
// code. The action runs once, on the first modal window of type T; if none opens within the
// time limit the test fails.
template <typename T> void WhenModal(std::function<void(T*)> action, int timeoutMs = 5000) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action, timeoutMs] {
        *waited += 10;
        if (T* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "No modal window of the expected kind opened";
        }
    });
    timer->start();
}
