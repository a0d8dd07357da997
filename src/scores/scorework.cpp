// Corvanthelix - the threads the scores are read, ranked, sorted, searched and saved on.
#include "scores/scorework.h"

#include <algorithm>
#include <system_error>

ScoreWork::Cancel ScoreWork::run(Lane lane, Job job)
{
    Queue &queue = m_lanes[lane];
    auto cancel = std::make_shared<std::atomic_bool>(false);
    {
        std::unique_lock hold(m_lock);
        if (m_stop)
            return cancel;
        if (!queue.thread.joinable()) {
            try {
                queue.thread = std::thread([this, &queue, lane] { serve(queue, lane == Disk); });
            } catch (const std::system_error &) {
                hold.unlock();
                job(m_stop);
                return cancel;
            }
        }
        queue.jobs.push_back({std::move(job), cancel});
    }
    m_changed.notify_all();
    return cancel;
}

void ScoreWork::serve(Queue &queue, bool drain)
{
    std::unique_lock hold(m_lock);
    for (;;) {
        m_changed.wait(hold, [&] { return m_stop || !queue.jobs.empty(); });
        if (queue.jobs.empty() || (m_stop && !drain))
            return;
        Queued next = std::move(queue.jobs.front());
        queue.jobs.pop_front();
        queue.running = next.cancel;
        hold.unlock();
        next.job(*next.cancel);
        next = {};
        hold.lock();
        queue.running.reset();
        m_changed.notify_all();
    }
}

void ScoreWork::cancel(const Cancel &job)
{
    Job dropped; // let go of outside the lock: it may hold much
    {
        const std::lock_guard hold(m_lock);
        *job = true;
        for (Queue &queue : m_lanes) {
            const auto queued = std::find_if(queue.jobs.begin(), queue.jobs.end(), [&](const Queued &q) { return q.cancel == job; });
            if (queued != queue.jobs.end()) {
                dropped = std::move(queued->job);
                queue.jobs.erase(queued);
            }
        }
    }
    m_changed.notify_all();
}

void ScoreWork::settle()
{
    std::unique_lock hold(m_lock);
    m_changed.wait(hold, [&] {
        for (const Queue &queue : m_lanes)
            if (queue.running || !queue.jobs.empty())
                return m_stop.load();
        return true;
    });
}

void ScoreWork::stop()
{
    {
        const std::lock_guard hold(m_lock);
        m_stop = true;
        for (Queue &queue : m_lanes) {
            if (&queue == &m_lanes[Disk])
                continue;
            queue.jobs.clear();
            if (queue.running)
                *queue.running = true;
        }
    }
    m_changed.notify_all();
    for (Queue &queue : m_lanes)
        if (queue.thread.joinable())
            queue.thread.join();
}
