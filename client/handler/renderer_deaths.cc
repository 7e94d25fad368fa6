#include "client/handler/renderer_deaths.h"

bool RendererDeaths::RecordDeath(int browser_id, Clock::time_point now) {
  if (given_up_.count(browser_id))
    return false;
  std::deque<Clock::time_point>& times = deaths_[browser_id];
  times.push_back(now);
  while (now - times.front() >= kWindow)
    times.pop_front();
  if (static_cast<int>(times.size()) < kMaxDeaths)
    return true;
  given_up_.insert(browser_id);
  deaths_.erase(browser_id);
  return false;
}

void RendererDeaths::Forget(int browser_id) {
  deaths_.erase(browser_id);
  given_up_.erase(browser_id);
}
