#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

// Watches for a modal window and acts on it, so that a test can call code that runs a modal
// loop:
//     ModalWatch watch = WhenModal<QMessageBox>([](QMessageBox* box) { ...close it... });
//     ShowSomething();
// The action runs once, on the first modal window of type T. When the watch ends (goes out
// of scope or is given another watch) it stops looking, and the test fails if the action
// never ran, so a stale watch can never act on a later test's window.
class ModalWatch {
public:
    ModalWatch() = default;
    explicit ModalWatch(std::function<bool()> tryAct) : state_(std::make_shared<State>()) {
        state_->timer = new QTimer;
        state_->timer->setInterval(10);
        std::weak_ptr<State> weak = state_;
        QObject::connect(state_->timer, &QTimer::timeout, [weak, tryAct] {
            auto state = weak.lock();
            if (!state || state->ran)
                return;
            if (tryAct()) {
                state->ran = true;
                state->timer->stop();
            }
        });
        state_->timer->start();
    }
    ModalWatch(ModalWatch&& other) noexcept = default;
    ModalWatch& operator=(ModalWatch&& other) noexcept {
        Finish();
        state_ = std::move(other.state_);
        return *this;
    }
    ModalWatch(const ModalWatch&) = delete;
    ModalWatch& operator=(const ModalWatch&) = delete;
    ~ModalWatch() { Finish(); }

    bool Ran() const { return state_ && state_->ran; }

private:
    struct State {
        QTimer* timer = nullptr;
        bool ran = false;
        ~State() { delete timer; }
    };
    void Finish() {
        if (!state_)
            return;
        if (!state_->ran)
            ADD_FAILURE() << "The expected modal window never opened";
        state_.reset();
    }
    std::shared_ptr<State> state_;
};

template <typename T> [[nodiscard]] ModalWatch WhenModal(std::function<void(T*)> action) {
    return ModalWatch([action] {
        T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal)
            return false;
        action(modal);
        return true;
    });
}
