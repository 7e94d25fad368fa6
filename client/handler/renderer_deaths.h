#ifndef CLIENT_HANDLER_RENDERER_DEATHS_H_
#define CLIENT_HANDLER_RENDERER_DEATHS_H_

#include <chrono>
#include <deque>
#include <map>
#include <set>

// Each browser's renderer deaths. A page whose renderer died (a crash, the
// out-of-memory killer) comes back by a reload; one whose renderer dies
// again and again would only die in a loop, so a browser whose renderer died
// kMaxDeaths times within kWindow is given up for the rest of the run.
class RendererDeaths {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr int kMaxDeaths = 3;
  static constexpr std::chrono::seconds kWindow{60};

  // Records a death of |browser_id|'s renderer at |now|. True when its page
  // is to be reloaded; false once the browser is given up.
  bool RecordDeath(int browser_id, Clock::time_point now);

  // Forgets a browser that has closed.
  void Forget(int browser_id);

 private:
  std::map<int, std::deque<Clock::time_point>> deaths_;
  std::set<int> given_up_;
};

#endif  // CLIENT_HANDLER_RENDERER_DEATHS_H_
