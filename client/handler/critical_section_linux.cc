#include "client/handler/critical_section.h"

#include <mutex>

struct CriticalSection::Impl {
  std::mutex mutex;
};

CriticalSection::CriticalSection() : impl_(new Impl) {}

CriticalSection::~CriticalSection() = default;

void CriticalSection::Enter() {
  impl_->mutex.lock();
}

void CriticalSection::Leave() {
  impl_->mutex.unlock();
}
