#pragma once
// AtExit: runs a function when the scope ends, also when an exception leaves it.
#include <utility>

template <typename Fn> class AtExit {
public:
    explicit AtExit(Fn fn) : Action(std::move(fn)) {}
    ~AtExit() { Action(); }
    AtExit(const AtExit&) = delete;
    AtExit& operator=(const AtExit&) = delete;

private:
    Fn Action;
};
