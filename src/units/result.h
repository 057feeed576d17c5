// The program's one failure shape: a value, or the message that says why
// there is none. Messages are the program's own texts, shown as they stand.
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace welkin {

template <typename T>
class Result {
public:
    Result(T value) : state_(std::move(value)) {}  // NOLINT: a value converts implicitly

    static Result failure(std::string message) {
        Result r;
        r.state_ = Message{std::move(message)};
        return r;
    }

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const {
        assert(ok());
        return std::get<T>(state_);
    }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    T value_or(T fallback) const { return ok() ? value() : std::move(fallback); }

    // Empty for a value.
    const std::string& message() const {
        static const std::string none;
        return ok() ? none : std::get<Message>(state_).text;
    }

private:
    struct Message {
        std::string text;
    };
    Result() = default;
    std::variant<T, Message> state_;
};

}  // namespace welkin
