#include "ui/handler_runner.h"

#include "ui/message_boxes.h"

#include <exception>
#include <utility>

namespace brimvale::ui {

void HandlerRunner::run(const std::function<void()>& handler) noexcept
{
    ++depth_;
    QString failure;
    bool failed = false;
    try {
        handler();
    } catch (const std::exception& error) {
        failed = true;
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failed = true;
        failure = QStringLiteral("Unexpected failure");
    }
    if (failed) {
        try {
            showErrorBox(errorBoxText(failure));
        } catch (...) {
            // Nothing is left to report a failure of the report with.
        }
    }
    --depth_;
    if (depth_ == 0)
        runDeferred();
}

void HandlerRunner::defer(std::function<void()> action)
{
    deferred_.push_back(std::move(action));
    if (depth_ == 0)
        runDeferred();
}

void HandlerRunner::runDeferred() noexcept
{
    // An action may run handlers of its own (the main window's activation
    // after the dialog closes), which may defer more; take them in order
    // until none is left.
    while (!deferred_.empty() && depth_ == 0) {
        std::function<void()> action = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        ++depth_;
        try {
            action();
        } catch (...) {
            // Deferred actions only hide or close windows.
        }
        --depth_;
    }
}

QString errorBoxText(const QString& message)
{
    if (message.isEmpty() || message.back().unicode() <= u'.')
        return message;
    return message + u'.';
}

} // namespace brimvale::ui
