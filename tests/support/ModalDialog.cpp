#include "support/ModalDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <exception>

namespace kolv::test {

namespace {

void closeModalWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

}  // namespace

void whenModalDialogShows(std::function<void(QDialog&)> act, int deadlineMilliseconds)
{
    auto* poll = new QTimer(QApplication::instance());
    poll->setInterval(5);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act), waited, deadlineMilliseconds] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (waited.elapsed() < deadlineMilliseconds)
                return;
            poll->deleteLater();
            poll->stop();
            ADD_FAILURE() << "no modal dialog showed within " << deadlineMilliseconds << " ms";
            closeModalWindow();
            return;
        }
        poll->stop();
        poll->deleteLater();
        // An exception must not unwind through Qt's event loop.
        try {
            act(*dialog);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "acting on the dialog threw: " << error.what();
            closeModalWindow();
        } catch (...) {
            ADD_FAILURE() << "acting on the dialog threw";
            closeModalWindow();
        }
    });
    poll->start();
}

}  // namespace kolv::test
