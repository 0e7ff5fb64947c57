#include "app/BackgroundRead.h"

#include <exception>
#include <thread>

#include <QEventLoop>

int readInBackground(const std::function<int()>& read) {
    QEventLoop waiting;
    int result = 0;
    std::exception_ptr failure;
    std::thread reader([&] {
        try {
            result = read();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    reader.join();
    if (failure)
        std::rethrow_exception(failure);
    return result;
}
