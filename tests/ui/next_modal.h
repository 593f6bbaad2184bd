#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace tessara::testing {

// Acts on the next modal dialog other than `outer` once it is open. A
// dialog that does not open within the deadline fails the test, and every
// modal dialog then open is rejected, so that nothing hangs.
class OnNextModal : public QObject {
public:
    explicit OnNextModal(std::function<void(QDialog&)> act, QWidget* outer = nullptr,
                         int deadlineMs = 10000)
        : act_(std::move(act)), outer_(outer), deadlineMs_(deadlineMs)
    {
        clock_.start();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    bool acted() const { return acted_; }
    bool timedOut() const { return timedOut_; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog != outer_ && dialog->isVisible()) {
            timer_.stop();
            acted_ = true;
            act_(*dialog);
            return;
        }
        if (clock_.elapsed() > deadlineMs_) {
            timer_.stop();
            timedOut_ = true;
            while (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                open->reject();
        }
    }

    std::function<void(QDialog&)> act_;
    QWidget* outer_;
    int deadlineMs_;
    QElapsedTimer clock_;
    QTimer timer_;
    bool acted_ = false;
    bool timedOut_ = false;
};

}  // namespace tessara::testing
