// A few threads that run the jobs handed to them, each job told which thread runs it (so that it
// can use state kept per thread, a codec). The caller keeps the results in its own order and
// bounds how many jobs it hands over before collecting: the pool's queue holds no more.
//
// A pool of one thread runs each job on the caller's thread as it is handed over: the one-threaded
// run is the same code, in the same order, without a thread. The pool owns its threads; the
// jobs own their data. The destructor runs the jobs still queued, then joins the threads.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace kvarn::backup {

class WorkerPool {
public:
    // `threads`: 0 for one per core.
    explicit WorkerPool(unsigned threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    unsigned Size() const { return size_; }
    // `job(worker)` with worker < Size(); the future is ready once it has run.
    std::future<void> Run(std::function<void(unsigned worker)> job);

private:
    void Work(unsigned worker);

    unsigned size_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::packaged_task<void(unsigned)>> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace kvarn::backup
