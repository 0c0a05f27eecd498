#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

// A few threads kept for the length of one parallel job (a solve, a pass
// over the rows of a system). Run hands the task indices
// 0 .. count - 1 to the calling thread and the workers, each index exactly
// once, and returns when every task is done. Which thread runs a task is not
// fixed, so a task's result must not depend on it.
class WorkerPool {
public:
    // threads counts the calling thread; a worker the system refuses to
    // start only makes the pool smaller.
    explicit WorkerPool(unsigned threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    void Run(std::size_t count, const std::function<void(std::size_t)>& task);

    // The number of threads the machine runs at once (at least 1).
    static unsigned HardwareThreads();

private:
    void Work();
    void TakeTasks();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void(std::size_t)>* task_ = nullptr;
    std::size_t count_ = 0;
    std::atomic<std::size_t> next_ = 0;
    std::size_t round_ = 0;    // counts the calls of Run
    std::size_t pending_ = 0;  // workers not yet through the current round
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace platform
