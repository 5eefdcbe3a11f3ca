#pragma once

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace kestrava {

// The error half of a Result, built with Fail() so that a value and an error of the same
// type can never be mistaken for each other.
template <class E>
struct Failure {
    E error;
};

// Wraps 'error' for returning from an operation that yields a Result.
template <class E>
Failure<std::decay_t<E>> Fail(E&& error) {
    return {std::forward<E>(error)};
}

template <class V>
inline constexpr bool kIsFailure = false;
template <class E>
inline constexpr bool kIsFailure<Failure<E>> = true;

// The outcome of every Kestrava operation that can fail: a 'T', or the error 'E' that says why.
// Its members are spelled as std::expected spells them, so that moving to it is a rename away.
template <class T, class E>
class [[nodiscard]] Result {
  public:
    // Anything a 'T' can be made from is a value.
    template <class U = T>
    requires std::is_constructible_v<T, U&&> &&
        (!kIsFailure<std::remove_cvref_t<U>>)&&(!std::is_same_v<std::remove_cvref_t<U>, Result>)
            Result(U&& value)  // NOLINT: implicit
        : state_(std::in_place_index<0>, std::forward<U>(value)) {}
    template <class G>
    Result(Failure<G> failure)  // NOLINT: implicit
        : state_(std::in_place_index<1>, std::move(failure.error)) {}

    // NOTE: no conversion to bool, so that 'if (Operation())' cannot be misread either way.
    bool has_value() const { return state_.index() == 0; }

    // The value; only when has_value().
    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    // The error; only when !has_value().
    const E& error() const { return std::get<1>(state_); }

  private:
    std::variant<T, E> state_;
};

// The outcome of an operation that yields nothing but can fail.
template <class E>
class [[nodiscard]] Result<void, E> {
  public:
    Result() = default;
    template <class G>
    Result(Failure<G> failure) : error_(std::move(failure.error)) {}  // NOLINT: implicit

    bool has_value() const { return !error_.has_value(); }
    // The error; only when !has_value().
    const E& error() const { return *error_; }

  private:
    std::optional<E> error_;
};

}  // namespace kestrava
