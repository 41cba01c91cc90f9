// SPDX-License-Identifier: MIT
#include "platform/png/PngBackgroundInflate.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kBlockSize = std::size_t { 1 } << 18;
constexpr std::size_t kRingSize = 16 * kBlockSize; // 4 MiB

class BackgroundInflater final : public TPngInflater {
public:
    BackgroundInflater(std::unique_ptr<TPngInflater> inflater, std::uint64_t total)
        : FInflater(std::move(inflater))
        , FTotal(total)
        , FRing(kRingSize)
        , FWorker([this] { Produce(); })
    {
    }

    ~BackgroundInflater() override
    {
        {
            const std::lock_guard lock(FMutex);
            FStopping = true;
        }
        FChanged.notify_all();
        FWorker.join();
    }
    BackgroundInflater(const BackgroundInflater&) = delete;
    BackgroundInflater& operator=(const BackgroundInflater&) = delete;

    std::uint8_t* Next(std::size_t count) override
    {
        std::uint8_t* const row = FRows.Take(count);
        for (std::size_t done = 0; done < count;) {
            std::unique_lock lock(FMutex);
            FChanged.wait(lock, [this] { return FProduced > FConsumed || FError; });
            if (FProduced == FConsumed)
                std::rethrow_exception(FError);
            const std::size_t at = std::size_t(FConsumed % kRingSize);
            const std::size_t piece
                = std::min({ count - done, std::size_t(FProduced - FConsumed), kRingSize - at });
            lock.unlock();
            std::memcpy(row + done, FRing.data() + at, piece);
            lock.lock();
            FConsumed += piece;
            done += piece;
            lock.unlock();
            FChanged.notify_all();
        }
        return row;
    }

    void Finish() override
    {
        {
            std::unique_lock lock(FMutex);
            FChanged.wait(lock, [this] { return FDone || FError; });
            if (FError)
                std::rethrow_exception(FError);
        }
        FInflater->Finish();
    }

private:
    void Produce()
    {
        try {
            for (std::uint64_t produced = 0; produced < FTotal;) {
                const std::size_t at = std::size_t(produced % kRingSize);
                const std::size_t piece = std::size_t(std::min<std::uint64_t>(
                    std::min<std::uint64_t>(FTotal - produced, kBlockSize), kRingSize - at));
                {
                    std::unique_lock lock(FMutex);
                    FChanged.wait(
                        lock, [&] { return FStopping || produced + piece - FConsumed <= kRingSize; });
                    if (FStopping)
                        return;
                }
                std::memcpy(FRing.data() + at, FInflater->Next(piece), piece);
                produced += piece;
                {
                    const std::lock_guard lock(FMutex);
                    FProduced = produced;
                }
                FChanged.notify_all();
            }
            const std::lock_guard lock(FMutex);
            FDone = true;
        } catch (...) {
            const std::lock_guard lock(FMutex);
            FError = std::current_exception();
        }
        FChanged.notify_all();
    }

    std::unique_ptr<TPngInflater> FInflater; // used by the worker until it is done
    const std::uint64_t FTotal;
    std::vector<std::uint8_t> FRing;
    TPngRowBuffers FRows;

    std::mutex FMutex;
    std::condition_variable FChanged;
    std::uint64_t FProduced = 0; // guarded by FMutex, as are the four below
    std::uint64_t FConsumed = 0;
    bool FDone = false;
    bool FStopping = false;
    std::exception_ptr FError;

    std::thread FWorker; // last: starts once everything it uses is ready
};

} // namespace

std::unique_ptr<TPngInflater> InflateInBackground(std::unique_ptr<TPngInflater> inflater, std::uint64_t total)
{
    return std::make_unique<BackgroundInflater>(std::move(inflater), total);
}
