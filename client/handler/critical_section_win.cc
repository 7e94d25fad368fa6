#include "client/handler/critical_section.h"

#include <windows.h>

struct CriticalSection::Impl {
  CRITICAL_SECTION section;
};

CriticalSection::CriticalSection() : impl_(new Impl) {
  InitializeCriticalSection(&impl_->section);
}

CriticalSection::~CriticalSection() {
  DeleteCriticalSection(&impl_->section);
}

void CriticalSection::Enter() {
  EnterCriticalSection(&impl_->section);
}

void CriticalSection::Leave() {
  LeaveCriticalSection(&impl_->section);
}
