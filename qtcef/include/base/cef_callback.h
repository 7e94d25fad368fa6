// A function with some or all of its arguments bound, made by base::Bind.

#ifndef CEF_INCLUDE_BASE_CEF_CALLBACK_H_
#define CEF_INCLUDE_BASE_CEF_CALLBACK_H_

#include <functional>
#include <memory>
#include <utility>

namespace base {

template <typename Signature>
class Callback;

// Copies share the bound function and its arguments, which go with the last
// copy; a default-made callback is null and must not be run.
template <typename R, typename... Args>
class Callback<R(Args...)> {
 public:
  typedef R(RunType)(Args...);

  Callback() {}
  explicit Callback(std::function<R(Args...)> function)
      : function_(std::make_shared<const std::function<R(Args...)>>(
            std::move(function))) {}

  bool is_null() const { return !function_; }
  void Reset() { function_.reset(); }
  // Whether |other| is a copy of this callback, or both are null.
  bool Equals(const Callback& other) const {
    return function_ == other.function_;
  }

  R Run(Args... args) const {
    return (*function_)(std::forward<Args>(args)...);
  }

 private:
  std::shared_ptr<const std::function<R(Args...)>> function_;
};

typedef Callback<void(void)> Closure;

}  // namespace base

#endif  // CEF_INCLUDE_BASE_CEF_CALLBACK_H_
