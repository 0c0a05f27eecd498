#include "platform/WorkerPool.h"

#include <algorithm>
#include <system_error>

namespace platform {

WorkerPool::WorkerPool(unsigned threads)
{
    for (unsigned k = 1; k < threads; ++k) {
        try {
            workers_.emplace_back([this] { Work(); });
        } catch (const std::system_error&) {
            break;
        }
    }
}

WorkerPool::~WorkerPool()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

void WorkerPool::Run(std::size_t count, const std::function<void(std::size_t)>& task)
{
    {
        const std::lock_guard lock(mutex_);
        task_ = &task;
        count_ = count;
        next_ = 0;
        pending_ = workers_.size();
        ++round_;
    }
    wake_.notify_all();
    TakeTasks();
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return pending_ == 0; });
    task_ = nullptr;
}

void WorkerPool::Work()
{
    std::size_t seen = 0;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || round_ != seen; });
            if (stopping_)
                return;
            seen = round_;
        }
        TakeTasks();
        const std::lock_guard lock(mutex_);
        if (--pending_ == 0)
            done_.notify_one();
    }
}

void WorkerPool::TakeTasks()
{
    for (std::size_t k = next_++; k < count_; k = next_++)
        (*task_)(k);
}

unsigned WorkerPool::HardwareThreads() { return std::max(std::thread::hardware_concurrency(), 1u); }

}  // namespace platform
