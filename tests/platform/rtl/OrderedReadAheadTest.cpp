// SPDX-License-Identifier: MIT
#include "platform/rtl/OrderedReadAhead.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Records the highest item any worker has started.
struct StartRecord {
    std::atomic<long> highest { -1 };
    void Started(std::size_t item)
    {
        long seen = highest.load();
        while (long(item) > seen && !highest.compare_exchange_weak(seen, long(item))) { }
    }
};

TEST(OrderedReadAhead, ResultsAreTakenInListOrderWhicheverWorkerMadeThem)
{
    TOrderedReadAhead<std::size_t> reads(60, 3, 5, [](std::size_t item, unsigned worker) {
        EXPECT_LT(worker, 3u);
        return item * item;
    });
    for (std::size_t item = 0; item < 60; ++item)
        ASSERT_EQ(reads.Take(item), item * item);
}

TEST(OrderedReadAhead, AProducersErrorIsRaisedByTakingItsItemOnly)
{
    TOrderedReadAhead<int> reads(6, 2, 4, [](std::size_t item, unsigned) {
        if (item == 3)
            throw std::runtime_error("item three is damaged");
        return int(item);
    });
    EXPECT_EQ(reads.Take(0), 0);
    EXPECT_EQ(reads.Take(1), 1);
    EXPECT_EQ(reads.Take(2), 2);
    try {
        reads.Take(3);
        FAIL() << "the error of item 3 was not raised";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "item three is damaged");
    }
    EXPECT_EQ(reads.Take(4), 4);
}

TEST(OrderedReadAhead, NoItemStartsMoreThanTheWindowAheadOfTheNextTaken)
{
    StartRecord record;
    {
        TOrderedReadAhead<int> reads(1000, 2, 3, [&record](std::size_t item, unsigned) {
            record.Started(item);
            return 0;
        });
        for (std::size_t item = 0; item < 5; ++item)
            reads.Take(item);
    } // the workers are joined here, so the record is final
    EXPECT_GE(record.highest.load(), 4);
    EXPECT_LE(record.highest.load(), 5 + 3 - 1);
}

TEST(OrderedReadAhead, LeavingWithoutTakingStopsTheWorkers)
{
    StartRecord record;
    {
        const TOrderedReadAhead<int> reads(100000, 4, 2, [&record](std::size_t item, unsigned) {
            record.Started(item);
            return 0;
        });
    }
    EXPECT_LE(record.highest.load(), 1);
}

TEST(OrderedReadAhead, TakingOutOfOrderOrTwiceIsRefused)
{
    TOrderedReadAhead<int> reads(3, 1, 1, [](std::size_t item, unsigned) { return int(item); });
    EXPECT_THROW(reads.Take(1), std::logic_error);
    EXPECT_EQ(reads.Take(0), 0);
    EXPECT_THROW(reads.Take(0), std::logic_error);
    EXPECT_EQ(reads.Take(1), 1);
    EXPECT_EQ(reads.Take(2), 2);
    EXPECT_THROW(reads.Take(3), std::logic_error);
}

} // namespace
