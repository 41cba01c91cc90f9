// SPDX-License-Identifier: MIT
// Work on a list of items done by worker threads ahead of a consumer that takes the results
// one by one in list order. Reading and decoding pictures is what a batch spends its time
// on, and it needs no shared state, so several pictures can be read on several cores while
// everything that must happen in order (writing, reporting, stopping at the first failure)
// stays on the consumer's thread.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

template <typename Result> class TOrderedReadAhead {
public:
    // produce(item, worker) makes the result of an item; worker (below workers) tells which
    // thread runs it, so a producer can keep state per worker without locking. An exception
    // it throws is kept and raised again by Take of that item.
    using Produce = std::function<Result(std::size_t item, unsigned worker)>;

    // No item is started more than window items ahead of the next one to be taken, so the
    // results waiting never grow with the length of the list.
    TOrderedReadAhead(std::size_t count, unsigned workers, std::size_t window, Produce produce)
        : FCount(count)
        , FWindow(std::max<std::size_t>(window, 1))
        , FProduce(std::move(produce))
    {
        FThreads.reserve(workers);
        try {
            for (unsigned worker = 0; worker < std::max(workers, 1U); ++worker)
                FThreads.emplace_back([this, worker] { Work(worker); });
        } catch (...) {
            Stop(); // the threads started so far must not outlive this object
            throw;
        }
    }

    // Items still being produced are finished first; nothing further is started.
    ~TOrderedReadAhead() { Stop(); }

    TOrderedReadAhead(const TOrderedReadAhead&) = delete;
    TOrderedReadAhead& operator=(const TOrderedReadAhead&) = delete;

    // The result of the next item, waiting for it if need be. Items are taken in order, each
    // once: taking another one is a programming error.
    Result Take(std::size_t item)
    {
        std::unique_lock lock(FMutex);
        if (item != FNextToTake || item >= FCount)
            throw std::logic_error("read-ahead items are taken in order, each once");
        FChanged.wait(lock, [&] { return FDone.contains(item); });
        auto done = FDone.extract(item);
        ++FNextToTake;
        lock.unlock();
        FChanged.notify_all(); // the window has moved on
        if (done.mapped().error)
            std::rethrow_exception(done.mapped().error);
        return std::move(*done.mapped().result);
    }

private:
    struct Outcome {
        std::optional<Result> result;
        std::exception_ptr error;
    };

    void Work(unsigned worker)
    {
        for (;;) {
            std::unique_lock lock(FMutex);
            FChanged.wait(lock,
                [&] { return FStopping || FNextToStart >= FCount || FNextToStart < FNextToTake + FWindow; });
            if (FStopping || FNextToStart >= FCount)
                return;
            const std::size_t item = FNextToStart++;
            lock.unlock();

            Outcome outcome;
            try {
                outcome.result.emplace(FProduce(item, worker));
            } catch (...) {
                outcome.error = std::current_exception();
            }

            lock.lock();
            FDone.emplace(item, std::move(outcome));
            lock.unlock();
            FChanged.notify_all();
        }
    }

    void Stop()
    {
        {
            const std::lock_guard lock(FMutex);
            FStopping = true;
        }
        FChanged.notify_all();
        for (std::thread& thread : FThreads)
            thread.join();
        FThreads.clear();
    }

    const std::size_t FCount;
    const std::size_t FWindow;
    const Produce FProduce;
    std::mutex FMutex;
    std::condition_variable FChanged;
    std::size_t FNextToStart = 0;
    std::size_t FNextToTake = 0;
    bool FStopping = false;
    std::map<std::size_t, Outcome> FDone;
    std::vector<std::thread> FThreads;
};
