// Corvanthelix - the threads the scores are read, ranked, sorted, searched and saved on.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Whether a job was asked to stop; never, without a flag.
inline bool Stopped(const std::atomic_bool *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// Started, waited for and stopped here, in one place, so the game's own
// thread never waits on the scores or the disk. Three lanes, each a thread
// that runs its jobs in the order given: the long one reads the file and
// ranks its names, which take seconds at ten million lines; the short one
// sorts and searches, so that neither waits behind the ranking; the disk one
// appends the scores entered, in the order they were, however long another
// program holds the file or the disk takes. A job is handed a flag that asks
// it to stop, and hands its result back to the game's thread itself.
class ScoreWork
{
public:
    enum Lane { Long, Short, Disk };
    using Job = std::function<void(const std::atomic_bool &stop)>;
    // One job's own stop flag.
    using Cancel = std::shared_ptr<std::atomic_bool>;

    ScoreWork() = default;
    ~ScoreWork() { stop(); }
    ScoreWork(const ScoreWork &) = delete;
    ScoreWork &operator=(const ScoreWork &) = delete;

    // Runs the job on the lane's thread, or at once, here, when the system
    // allows no more threads. What it returns is for cancel().
    Cancel run(Lane lane, Job job);
    // Stops that job alone, or drops it, and what it holds, if it has not started.
    void cancel(const Cancel &job);
    // Waits until every job given so far has run.
    void settle();
    // Asks the running jobs to stop, drops those not started and waits for the
    // threads: quitting never waits for a ranking to end. The disk's jobs all
    // run first, and are never asked to stop: a score entered is never lost.
    void stop();

private:
    struct Queued
    {
        Job job;
        Cancel cancel;
    };
    struct Queue
    {
        std::thread thread;
        std::deque<Queued> jobs;
        Cancel running; // the job's flag while it runs
    };
    void serve(Queue &queue, bool drain);

    std::mutex m_lock;
    std::condition_variable m_changed;
    Queue m_lanes[3];
    std::atomic_bool m_stop = false;
};
