#pragma once
// A hook with one listener. Setting a second listener while one is set would
// silently cut the first off, so it is a mistake (std::logic_error): the owner
// lets go with Clear() first. Where several parties listen, a Qt signal is used.
#include <functional>
#include <stdexcept>
#include <utility>

template <typename Signature> class Hook;

template <typename R, typename... Args> class Hook<R(Args...)> {
public:
    Hook() = default;
    Hook(const Hook &) = delete;
    Hook &operator=(const Hook &) = delete;

    void Set(std::function<R(Args...)> listener)
    {
        if (m_listener)
            throw std::logic_error("a hook that has a listener was given another");
        m_listener = std::move(listener);
    }
    void Clear() { m_listener = nullptr; }
    explicit operator bool() const { return bool(m_listener); }
    R operator()(Args... args) const { return m_listener(std::forward<Args>(args)...); }

private:
    std::function<R(Args...)> m_listener;
};
