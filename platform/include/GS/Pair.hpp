// Two values kept together, as the host's containers hand them out.
#pragma once

#include <utility>

namespace GS {

template <typename A, typename B> struct Pair {
    A first{};
    B second{};

    Pair() = default;
    Pair(A a, B b) : first(std::move(a)), second(std::move(b)) {}

    friend bool operator==(const Pair& x, const Pair& y) {
        return x.first == y.first && x.second == y.second;
    }
};

} // namespace GS
