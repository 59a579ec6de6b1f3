#pragma once

#include <string>
#include <utility>
#include <variant>

// Why something that can fail in ordinary use did not happen, in words for the user.
struct Failure {
    std::string reason;
};

// The one way recoverable outcomes are reported: a value, or the Failure that says why not.
// Exceptions are kept for what ends a redraw or a command as a whole.
template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::move(value)) {}            // NOLINT: a value converts to success
    Result(Failure failure) : state_(std::move(failure)) {}  // NOLINT: and so does a failure

    bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }
    const T& Value() const& { return std::get<0>(state_); }
    T& Value() & { return std::get<0>(state_); }
    T&& Value() && { return std::get<0>(std::move(state_)); }
    const std::string& Reason() const { return std::get<1>(state_).reason; }

  private:
    std::variant<T, Failure> state_;
};

// A Result that carries nothing but success or its reason.
struct Done {};
using Status = Result<Done>;
