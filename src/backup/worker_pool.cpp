#include "backup/worker_pool.hpp"

#include <algorithm>

namespace kvarn::backup {

WorkerPool::WorkerPool(unsigned threads)
    : size_(threads > 0 ? threads : std::max(1u, std::thread::hardware_concurrency())) {
    if (size_ == 1) return;
    threads_.reserve(size_);
    for (unsigned worker = 0; worker < size_; ++worker)
        threads_.emplace_back([this, worker] { Work(worker); });
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    ready_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

std::future<void> WorkerPool::Run(std::function<void(unsigned worker)> job) {
    std::packaged_task<void(unsigned)> task(std::move(job));
    std::future<void> done = task.get_future();
    if (threads_.empty()) {
        task(0);
        return done;
    }
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(task));
    }
    ready_.notify_one();
    return done;
}

void WorkerPool::Work(unsigned worker) {
    for (;;) {
        std::packaged_task<void(unsigned)> task;
        {
            std::unique_lock lock(mutex_);
            ready_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty()) return;
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        task(worker);
    }
}

}  // namespace kvarn::backup
