// qtcef's threads, tasks and events, and the wrappers CEF builds on them.

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "gtest/gtest.h"
#include "include/base/cef_bind.h"
#include "include/cef_thread.h"
#include "include/cef_waitable_event.h"
#include "include/wrapper/cef_closure_task.h"
#include "include/wrapper/cef_scoped_temp_dir.h"
#include "qtcef/src/process/browser_threads.h"
#include "qtcef/src/process/task_thread.h"

namespace {

void Nothing() {}

void RecordThread(CefThreadId id, CefThreadId other, std::atomic<bool>* on) {
  *on = CefCurrentlyOn(id) && !CefCurrentlyOn(other);
}

void DropLastReference(CefRefPtr<CefThread>* last,
                       CefRefPtr<CefWaitableEvent> event) {
  *last = nullptr;
  event->Signal();
}

// Tasks posted in turn run in the order they fall due, and those due
// together in the order posted, whatever the delays.
TEST(qtcef_Tasks, RunInTheOrderTheyFallDue) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 20; ++round) {
    std::shared_ptr<qtcef::TaskThread> thread =
        qtcef::TaskThread::Start("order");
    std::vector<int> delays;
    std::vector<int> ran;
    std::mutex mutex;
    for (int i = 0; i < 12; ++i) {
      delays.push_back(static_cast<int>(random() % 4) * 5);
      ASSERT_TRUE(thread->Post(
          [&, i] {
            std::lock_guard<std::mutex> lock(mutex);
            ran.push_back(i);
          },
          delays.back()));
    }
    std::promise<void> done;
    thread->Post([&done] { done.set_value(); }, 40);
    done.get_future().wait();
    thread->Stop();
    ASSERT_EQ(ran.size(), delays.size());
    for (size_t a = 0; a < ran.size(); ++a) {
      for (size_t b = a + 1; b < ran.size(); ++b)
        EXPECT_FALSE(ran[b] < ran[a] && delays[ran[b]] <= delays[ran[a]])
            << "round " << round << ": task " << ran[b] << " ran after "
            << ran[a];
    }
  }
}

// Stop runs what is due, drops (and lets go of) what is delayed, and takes
// nothing more; a task may drop its thread's last reference.
TEST(qtcef_Tasks, StopRunsWhatIsDueAndDropsTheRest) {
  std::shared_ptr<qtcef::TaskThread> thread = qtcef::TaskThread::Start("stop");
  std::atomic<int> ran{0};
  auto held = std::make_shared<int>(0);
  thread->Post(
      [&ran] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ++ran;
      },
      0);
  thread->Post([&ran] { ++ran; }, 0);
  thread->Post([&ran, held] { ran += 100; }, 60000);
  thread->Stop();
  EXPECT_EQ(ran, 2);
  EXPECT_EQ(held.use_count(), 1) << "the dropped task still holds its state";
  EXPECT_FALSE(thread->Post([] {}, 0));
  EXPECT_FALSE(thread->IsRunning());

  CefRefPtr<CefThread> own = CefThread::CreateThread("own");
  CefRefPtr<CefWaitableEvent> released =
      CefWaitableEvent::CreateWaitableEvent(false, false);
  CefRefPtr<CefTaskRunner> runner = own->GetTaskRunner();
  runner->PostTask(
      CefCreateClosureTask(base::Bind(&DropLastReference, &own, released)));
  EXPECT_TRUE(released->TimedWait(10000));
  EXPECT_FALSE(runner->PostTask(CefCreateClosureTask(base::Bind(&Nothing))));
}

// The named threads exist between Open and Close only; Close runs their due
// tasks and joins them.
TEST(qtcef_Tasks, NamedThreadsEndWithTheEngine) {
  EXPECT_FALSE(CefPostTask(TID_IO, base::Bind(&Nothing)));
  qtcef::BrowserThreads::Open();
  std::atomic<bool> on_io{false};
  std::atomic<bool> on_file{false};
  ASSERT_TRUE(
      CefPostTask(TID_IO, base::Bind(&RecordThread, TID_IO, TID_FILE, &on_io)));
  ASSERT_TRUE(CefPostDelayedTask(
      TID_FILE, base::Bind(&RecordThread, TID_FILE, TID_IO, &on_file), 0));
  EXPECT_EQ(CefTaskRunner::GetForThread(TID_RENDERER), nullptr);
  EXPECT_EQ(CefTaskRunner::GetForCurrentThread(), nullptr);
  qtcef::BrowserThreads::Close();
  EXPECT_TRUE(on_io);
  EXPECT_TRUE(on_file);
  EXPECT_FALSE(CefPostTask(TID_IO, base::Bind(&Nothing)));
  EXPECT_FALSE(CefCurrentlyOn(TID_IO));
}

TEST(qtcef_Tasks, WaitableEventsResetAsMade) {
  struct Case {
    bool automatic;
    bool initially;
    bool first;
    bool second;
  } cases[] = {{true, true, true, false},
               {false, true, true, true},
               {true, false, false, false},
               {false, false, false, false}};
  for (const Case& c : cases) {
    CefRefPtr<CefWaitableEvent> event =
        CefWaitableEvent::CreateWaitableEvent(c.automatic, c.initially);
    EXPECT_EQ(event->IsSignaled(), c.first) << c.automatic << c.initially;
    EXPECT_EQ(event->IsSignaled(), c.second) << c.automatic << c.initially;
    event->Reset();
    EXPECT_FALSE(event->TimedWait(1));
    std::thread signaller([event] { event->Signal(); });
    event->Wait();
    signaller.join();
    EXPECT_EQ(event->IsSignaled(), !c.automatic);
  }
}

class Counted : public base::RefCountedThreadSafe<Counted> {
 public:
  int Add(int a, int b) { return a + b; }
};

// A bound receiver lives as long as the callback, unless it is Unretained.
TEST(qtcef_Tasks, BindHoldsItsReceiver) {
  scoped_refptr<Counted> object = new Counted();
  base::Callback<int(int)> add = base::Bind(&Counted::Add, object.get(), 2);
  EXPECT_FALSE(object->HasOneRef());
  EXPECT_EQ(add.Run(3), 5);
  base::Callback<int(int)> copy = add;
  EXPECT_TRUE(copy.Equals(add));
  add.Reset();
  copy.Reset();
  EXPECT_TRUE(object->HasOneRef());
  base::Callback<int(int, int)> unretained =
      base::Bind(&Counted::Add, base::Unretained(object.get()));
  EXPECT_TRUE(object->HasOneRef());
  EXPECT_EQ(unretained.Run(1, 1), 2);
}

// Deleting a temporary folder never reaches through a link in it.
TEST(qtcef_Tasks, ScopedTempDirDeletesOnlyItsOwn) {
  namespace fs = std::filesystem;
  CefScopedTempDir outside;
  ASSERT_TRUE(outside.CreateUniqueTempDir());
  const fs::path kept = fs::path(outside.GetPath().ToString()) / "kept";
  std::ofstream(kept) << "player's";
  {
    CefScopedTempDir dir;
    ASSERT_TRUE(dir.CreateUniqueTempDir());
    EXPECT_FALSE(dir.CreateUniqueTempDir());
    const fs::path path(dir.GetPath().ToString());
    fs::create_directory_symlink(outside.GetPath().ToString(), path / "link");
    fs::create_symlink(kept, path / "file-link");
    EXPECT_TRUE(dir.IsValid());
  }
  EXPECT_TRUE(fs::exists(kept));
  CefScopedTempDir file;
  EXPECT_FALSE(file.Set(kept.string()));
  EXPECT_TRUE(file.IsEmpty());
  const CefString taken = outside.Take();
  EXPECT_FALSE(outside.IsValid());
  EXPECT_TRUE(fs::exists(kept));
  fs::remove_all(taken.ToString());
}

}  // namespace
