#pragma once

#include <atomic>
#include <cstdint>

namespace decay {

// How far a long computation got, and whether it should stop. Worker threads call it at once,
// so every implementation must be thread-safe.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void advance(std::int64_t steps) = 0; // so many more run-steps are done
    virtual bool cancelled() const = 0;
};

// A Progress on atomics, polled from another thread.
class ProgressCounter final : public Progress {
public:
    void advance(std::int64_t steps) override { m_done.fetch_add(steps, std::memory_order_relaxed); }
    bool cancelled() const override { return m_cancelled.load(std::memory_order_relaxed); }
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    std::int64_t done() const { return m_done.load(std::memory_order_relaxed); }

private:
    std::atomic<std::int64_t> m_done{0};
    std::atomic<bool> m_cancelled{false};
};

} // namespace decay
