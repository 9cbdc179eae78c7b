#pragma once
// The last few results of one calculation, each kept with the exact inputs
// it came from: asked again with the same series and parameters (a redraw
// of an unchanged window, a resize, a repaint after a dialog) it answers
// without computing. The input series are compared whole on every lookup, a
// microsecond or two for a full history, so a history changed by any route
// never meets a stale result. One memo per calculation and thread.

#include "platform/PlainPaths.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <span>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace quotechart::indicators {

template <typename Result, typename... Params> class SeriesMemo {
public:
    using Inputs = std::initializer_list<std::span<const std::byte>>;

    // The result for these inputs and parameters, computed by compute() when
    // none is kept.
    template <typename Compute> Result get(Inputs inputs, const std::tuple<Params...> &params, Compute compute)
    {
        if (platform::plainPaths())
            return compute();
        for (std::optional<Entry> &entry : entries_)
            if (entry && entry->params == params && sameInputs(*entry, inputs))
                return entry->result;
        Entry fresh{{}, params, compute()};
        for (const std::span<const std::byte> input : inputs)
            fresh.inputs.emplace_back(input.begin(), input.end());
        Result result = fresh.result;
        entries_[next_] = std::move(fresh);
        next_ = (next_ + 1) % entries_.size();
        return result;
    }

    static constexpr std::size_t Slots = 16;   // two windows of every average the price pane draws

private:
    struct Entry {
        std::vector<std::vector<std::byte>> inputs;
        std::tuple<Params...> params;
        Result result;
    };

    static bool sameInputs(const Entry &entry, Inputs inputs)
    {
        if (entry.inputs.size() != inputs.size())
            return false;
        std::size_t i = 0;
        for (const std::span<const std::byte> input : inputs) {
            const std::vector<std::byte> &kept = entry.inputs[i++];
            if (kept.size() != input.size() || std::memcmp(kept.data(), input.data(), input.size()) != 0)
                return false;
        }
        return true;
    }

    std::array<std::optional<Entry>, Slots> entries_;
    std::size_t next_ = 0;
};

// A series as the bytes a memo compares.
template <typename T> std::span<const std::byte> memoInput(std::span<const T> series)
{
    return std::as_bytes(series);
}
template <typename T, std::size_t N> std::span<const std::byte> memoInput(const std::array<T, N> &series)
{
    return std::as_bytes(std::span<const T>(series));
}
template <typename T> std::span<const std::byte> memoInput(const T &value)
    requires std::is_arithmetic_v<T>
{
    return std::as_bytes(std::span<const T, 1>(&value, 1));
}

// calculation(args...) kept with all its arguments (series and numbers alike)
// as the inputs it is recognised by.
template <auto calculation, typename... Args> auto keptResult(const Args &...args)
{
    using Result = std::invoke_result_t<decltype(calculation), const Args &...>;
    thread_local SeriesMemo<Result> memo;
    return memo.get({memoInput(args)...}, {}, [&] { return calculation(args...); });
}

}   // namespace quotechart::indicators
