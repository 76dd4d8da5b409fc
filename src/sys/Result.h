#pragma once
#include <cassert>
#include <concepts>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace sys {

// What is wrong with a piece of outside input (a file, a picture, a replay),
// in one line that names it: "<file>: <what is wrong>". A reader that sees
// only bytes says what is wrong; its caller, who knows the file, names it.
struct Error {
  std::string message;

  static Error inFile(const std::string& file, const std::string& what) { return {file + ": " + what}; }
};

// The outcome of reading outside input: a value, or the Error that says why
// there is none. Readers never throw; the game turns the message into its
// own error lines. Ask ok() before value() or error().
template <class T>
class [[nodiscard]] Result {
 public:
  template <class U = T>
  requires std::constructible_from<T, U&&> &&
      (!std::same_as<std::remove_cvref_t<U>, Result>)&&(!std::same_as<std::remove_cvref_t<U>, Error>)
          Result(U&& value)
      : state_(std::in_place_index<0>, std::forward<U>(value)) {}
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & {
    assert(ok());
    return std::get<0>(state_);
  }
  const T& value() const& {
    assert(ok());
    return std::get<0>(state_);
  }
  T&& value() && {
    assert(ok());
    return std::get<0>(std::move(state_));
  }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T&& operator*() && { return std::move(*this).value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  const Error& error() const {
    assert(!ok());
    return std::get<1>(state_);
  }

 private:
  std::variant<T, Error> state_;
};

// The outcome of writing a file, or of a check that yields nothing but may fail.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error)) {}

  bool ok() const { return !error_; }
  explicit operator bool() const { return ok(); }

  const Error& error() const {
    assert(!ok());
    return *error_;
  }

 private:
  std::optional<Error> error_;
};

}  // namespace sys
