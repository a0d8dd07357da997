// Corvanthelix - the threads the scores are read, ranked, sorted and searched on.
#include "scores/scorework.h"

#include <system_error>

void ScoreWork::run(Lane lane, Job job)
{
    Queue &queue = m_lanes[lane];
    {
        std::unique_lock hold(m_lock);
        if (m_stop)
            return;
        if (!queue.thread.joinable()) {
            try {
                queue.thread = std::thread([this, &queue] { serve(queue); });
            } catch (const std::system_error &) {
                hold.unlock();
                job(m_stop);
                return;
            }
        }
        queue.jobs.push_back(std::move(job));
    }
    m_changed.notify_all();
}

void ScoreWork::serve(Queue &queue)
{
    std::unique_lock hold(m_lock);
    for (;;) {
        m_changed.wait(hold, [&] { return m_stop || !queue.jobs.empty(); });
        if (m_stop)
            return;
        Job job = std::move(queue.jobs.front());
        queue.jobs.pop_front();
        queue.busy = true;
        hold.unlock();
        job(m_stop);
        hold.lock();
        queue.busy = false;
        m_changed.notify_all();
    }
}

void ScoreWork::settle()
{
    std::unique_lock hold(m_lock);
    m_changed.wait(hold, [&] {
        for (const Queue &queue : m_lanes)
            if (queue.busy || !queue.jobs.empty())
                return m_stop.load();
        return true;
    });
}

void ScoreWork::stop()
{
    {
        const std::lock_guard hold(m_lock);
        m_stop = true;
        for (Queue &queue : m_lanes)
            queue.jobs.clear();
    }
    m_changed.notify_all();
    for (Queue &queue : m_lanes)
        if (queue.thread.joinable())
            queue.thread.join();
}
