// base::Bind: a function, or an object's method, with its first arguments
// fixed, as a base::Callback of the arguments that are left.

#ifndef CEF_INCLUDE_BASE_CEF_BIND_H_
#define CEF_INCLUDE_BASE_CEF_BIND_H_

#include <tuple>
#include <type_traits>
#include <utility>

#include "include/base/cef_callback.h"
#include "include/base/cef_ref_counted.h"

namespace base {

namespace cef_internal {

// A receiver that base::Bind must not hold a reference to.
template <typename T>
class UnretainedWrapper {
 public:
  explicit UnretainedWrapper(T* object) : object_(object) {}
  T* get() const { return object_; }

 private:
  T* object_;
};

template <typename... Types>
struct TypeList {};

template <typename List>
struct SameList {
  typedef List Type;
};

// The types of a list after its first |N|.
template <size_t N, typename List>
struct DropTypes {
  typedef List Type;
};
template <size_t N, typename First, typename... Rest>
struct DropTypes<N, TypeList<First, Rest...>> {
  typedef typename std::conditional_t<N == 0,
                                      SameList<TypeList<First, Rest...>>,
                                      DropTypes<N - 1, TypeList<Rest...>>>::Type
      Type;
};

template <typename T>
T* ReceiverPointer(T* object) {
  return object;
}
template <typename T>
T* ReceiverPointer(const scoped_refptr<T>& object) {
  return object.get();
}
template <typename T>
T* ReceiverPointer(const UnretainedWrapper<T>& object) {
  return object.get();
}

// What each kind of functor takes, and how it is called.
template <typename Functor>
struct FunctorTraits;

template <typename R, typename... Args>
struct FunctorTraits<R (*)(Args...)> {
  typedef R Result;
  typedef TypeList<Args...> Parameters;
  static constexpr bool kIsMethod = false;
  template <typename... Actual>
  static R Invoke(R (*function)(Args...), Actual&&... args) {
    return function(std::forward<Actual>(args)...);
  }
};

template <typename R, typename C, typename... Args>
struct FunctorTraits<R (C::*)(Args...)> {
  typedef R Result;
  typedef TypeList<C*, Args...> Parameters;
  static constexpr bool kIsMethod = true;
  template <typename Receiver, typename... Actual>
  static R Invoke(R (C::*method)(Args...),
                  const Receiver& receiver,
                  Actual&&... args) {
    return (ReceiverPointer(receiver)->*method)(std::forward<Actual>(args)...);
  }
};

template <typename R, typename C, typename... Args>
struct FunctorTraits<R (C::*)(Args...) const> {
  typedef R Result;
  typedef TypeList<const C*, Args...> Parameters;
  static constexpr bool kIsMethod = true;
  template <typename Receiver, typename... Actual>
  static R Invoke(R (C::*method)(Args...) const,
                  const Receiver& receiver,
                  Actual&&... args) {
    return (ReceiverPointer(receiver)->*method)(std::forward<Actual>(args)...);
  }
};

template <typename R, typename... Args>
struct FunctorTraits<Callback<R(Args...)>> {
  typedef R Result;
  typedef TypeList<Args...> Parameters;
  static constexpr bool kIsMethod = false;
  template <typename... Actual>
  static R Invoke(const Callback<R(Args...)>& callback, Actual&&... args) {
    return callback.Run(std::forward<Actual>(args)...);
  }
};

template <typename T, typename = void>
struct IsRefCounted : std::false_type {};
template <typename T>
struct IsRefCounted<T,
                    std::void_t<decltype(std::declval<const T&>().AddRef()),
                                decltype(std::declval<const T&>().Release())>>
    : std::true_type {};

// A method's receiver given as a plain pointer to a reference-counted object
// is held by a reference, so that it lives as long as the callback.
template <typename T>
auto HoldReceiver(T* receiver) {
  if constexpr (IsRefCounted<T>::value)
    return scoped_refptr<T>(receiver);
  else
    return receiver;
}
template <typename T>
const T& HoldReceiver(const T& receiver) {
  return receiver;
}

template <typename Functor, typename R, typename Unbound>
struct Binder;
template <typename Functor, typename R, typename... Unbound>
struct Binder<Functor, R, TypeList<Unbound...>> {
  template <typename... Bound>
  static Callback<R(Unbound...)> Make(Functor functor, Bound... bound) {
    return Callback<R(Unbound...)>(
        [functor, bound = std::make_tuple(std::move(bound)...)](
            Unbound... unbound) -> R {
          return std::apply(
              [&](const auto&... fixed) -> R {
                return FunctorTraits<Functor>::Invoke(
                    functor, fixed..., std::forward<Unbound>(unbound)...);
              },
              bound);
        });
  }
};

template <typename Functor, typename... Bound>
auto BindFixed(Functor functor, Bound... bound) {
  typedef FunctorTraits<Functor> Traits;
  typedef
      typename DropTypes<sizeof...(Bound), typename Traits::Parameters>::Type
          Unbound;
  return Binder<Functor, typename Traits::Result, Unbound>::Make(
      functor, std::move(bound)...);
}

}  // namespace cef_internal

template <typename Functor>
auto Bind(Functor functor) {
  return cef_internal::BindFixed(functor);
}

template <typename Functor, typename First, typename... Rest>
auto Bind(Functor functor, const First& first, const Rest&... rest) {
  if constexpr (cef_internal::FunctorTraits<Functor>::kIsMethod) {
    return cef_internal::BindFixed(functor, cef_internal::HoldReceiver(first),
                                   rest...);
  } else {
    return cef_internal::BindFixed(functor, first, rest...);
  }
}

// Binds |object| as a method's receiver without taking a reference to it.
template <typename T>
cef_internal::UnretainedWrapper<T> Unretained(T* object) {
  return cef_internal::UnretainedWrapper<T>(object);
}

}  // namespace base

#endif  // CEF_INCLUDE_BASE_CEF_BIND_H_
