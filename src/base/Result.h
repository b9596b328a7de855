#pragma once

#include <QString>
#include <exception>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

// What a failed operation hands to the layer above: a message for the user,
// already translated, and the detail for the log (what failed, with the
// system's reason). Exceptions stay inside a layer; where a layer hands a
// result up, a failure travels as a value.
struct Failure {
    QString message; // translated, shown to the user
    QString detail;  // logged, never shown alone
};

// The text of an exception, decoded as UTF-8 as every layer writes it.
QString ExceptionText(const std::exception& e);

// The exception being handled as a Failure: the user message of a
// LumbraError that has one, else `message`; its text as the detail. Call it
// only inside a catch block.
Failure CaughtFailure(const QString& message);

// A value or the Failure that stood in its way.
template <typename T> class Result {
public:
    Result(T value) : mState(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : mState(std::in_place_index<1>, std::move(failure)) {}

    bool HasValue() const { return mState.index() == 0; }
    explicit operator bool() const { return HasValue(); }
    // Only with HasValue().
    const T& Value() const& { return std::get<0>(mState); }
    T& Value() & { return std::get<0>(mState); }
    T&& Value() && { return std::get<0>(std::move(mState)); }
    // Only without HasValue().
    const Failure& Error() const { return std::get<1>(mState); }

private:
    std::variant<T, Failure> mState;
};

// Success, or the Failure of an operation that gives no value.
template <> class Result<void> {
public:
    Result() = default;
    Result(Failure failure) : mFailure(std::move(failure)) {}

    bool HasValue() const { return !mFailure; }
    explicit operator bool() const { return HasValue(); }
    const Failure& Error() const { return *mFailure; }

private:
    std::optional<Failure> mFailure;
};

// Runs `work` at a layer's edge: its value, or what it threw as a Failure
// with `message` for the user (see CaughtFailure).
template <typename Work>
auto ResultOf(Work&& work, const QString& message) -> Result<std::invoke_result_t<Work>> {
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Work>>) {
            std::forward<Work>(work)();
            return {};
        } else {
            return std::forward<Work>(work)();
        }
    } catch (const std::exception&) {
        return CaughtFailure(message);
    }
}
