#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace brimvale::ui {

// The one place through which every event handler of both windows runs.
//
// The editing handlers catch nothing on purpose; whatever escapes one is
// shown here in the error box, and the program carries on where it was. No
// exception ever reaches Qt's event loop.
//
// Some requests made by a handler, closing a window above all, must not
// happen under its feet: they are deferred and carried out once the
// outermost running handler has finished.
class HandlerRunner {
public:
    void run(const std::function<void()>& handler) noexcept;

    // Runs one member handler of a window's handler object; nothing runs
    // while the window has no handlers attached yet.
    template <typename Handlers>
    void runMember(Handlers* handlers, void (Handlers::*handler)()) noexcept
    {
        if (handlers)
            run([handlers, handler] { (handlers->*handler)(); });
    }

    // Runs `action` when no handler is running any more: at once when none is.
    void defer(std::function<void()> action);

    bool handlerRunning() const noexcept { return depth_ > 0; }

private:
    void runDeferred() noexcept;

    int depth_ = 0;
    std::vector<std::function<void()>> deferred_;
};

// The error box's text for a failure message: a full stop is added unless
// the message is empty or already ends in a character at or below the full
// stop's code, such as ")" or ".".
QString errorBoxText(const QString& message);

} // namespace brimvale::ui
