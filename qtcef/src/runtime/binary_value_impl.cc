#include <algorithm>
#include <cstring>

#include "qtcef/src/runtime/values_impl.h"

namespace qtcef {

bool BinaryValueImpl::IsValid() {
  return RefValid(ref_);
}

bool BinaryValueImpl::IsOwned() {
  return RefOwned(ref_);
}

bool BinaryValueImpl::IsSame(CefRefPtr<CefBinaryValue> that) {
  return that && (that.get() == this || RefsSame(ref_, RefOf(that.get())));
}

bool BinaryValueImpl::IsEqual(CefRefPtr<CefBinaryValue> that) {
  return that && RefsEqual(ref_, RefOf(that.get()));
}

CefRefPtr<CefBinaryValue> BinaryValueImpl::Copy() {
  return CopyObject<BinaryValueImpl>(ref_);
}

size_t BinaryValueImpl::GetSize() {
  ScopedValuesLock lock;
  return ref_.node->bytes.size();
}

size_t BinaryValueImpl::GetData(void* buffer,
                                size_t buffer_size,
                                size_t data_offset) {
  ScopedValuesLock lock;
  const std::vector<unsigned char>& bytes = ref_.node->bytes;
  if (!buffer || data_offset >= bytes.size())
    return 0;
  const size_t count = std::min(buffer_size, bytes.size() - data_offset);
  memcpy(buffer, bytes.data() + data_offset, count);
  return count;
}

}  // namespace qtcef

CefRefPtr<CefBinaryValue> CefBinaryValue::Create(const void* data,
                                                 size_t data_size) {
  if (!data || data_size == 0)
    return nullptr;
  qtcef::NodeRef ref = qtcef::NewRoot(VTYPE_BINARY);
  const auto* bytes = static_cast<const unsigned char*>(data);
  ref.node->bytes.assign(bytes, bytes + data_size);
  return new qtcef::BinaryValueImpl(ref);
}
