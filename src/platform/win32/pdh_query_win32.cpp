#include "platform/win32/pdh_query_win32.h"

#include <windows.h>
// After <windows.h>, which they need.
#include <pdh.h>
#include <pdhmsg.h>

#include "platform/win32/system_library_win32.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

using OpenQueryFn = PDH_STATUS(WINAPI*)(LPCWSTR source, DWORD_PTR user, PDH_HQUERY* query);
using AddEnglishCounterFn = PDH_STATUS(WINAPI*)(PDH_HQUERY query, LPCWSTR path, DWORD_PTR user,
                                                PDH_HCOUNTER* counter);
using CollectFn = PDH_STATUS(WINAPI*)(PDH_HQUERY query);
using FormattedArrayFn = PDH_STATUS(WINAPI*)(PDH_HCOUNTER counter, DWORD format, DWORD* bytes,
                                             DWORD* count, PDH_FMT_COUNTERVALUE_ITEM_W* items);
using FormattedValueFn = PDH_STATUS(WINAPI*)(PDH_HCOUNTER counter, DWORD format, DWORD* type,
                                             PDH_FMT_COUNTERVALUE* value);
using CloseQueryFn = PDH_STATUS(WINAPI*)(PDH_HQUERY query);

// Values above 100 stay: the caller decides what they mean.
constexpr DWORD kFormat = PDH_FMT_DOUBLE | PDH_FMT_NOCAP100;

bool valid(const PDH_FMT_COUNTERVALUE& value) {
  return value.CStatus == PDH_CSTATUS_VALID_DATA || value.CStatus == PDH_CSTATUS_NEW_DATA;
}

// The instance a path names between its parentheses: "_Total" in
// "\Processor(_Total)\% Processor Time".
std::string instanceOf(const std::wstring& path) {
  const std::size_t open = path.find(L'(');
  const std::size_t close = path.find(L')', open);
  if (open == std::wstring::npos || close == std::wstring::npos) return {};
  return narrow(path.substr(open + 1, close - open - 1));
}

// How often the array is asked again when it grew between asking its size
// and reading it.
constexpr int kArrayAttempts = 3;

}  // namespace

struct PdhQuery::Impl {
  Impl() {
    if (!library) {
      status = ERROR_MOD_NOT_FOUND;
    } else if (!openQuery || !addEnglishCounter || !collect || !formattedArray || !formattedValue ||
               !closeQuery) {
      status = ERROR_PROC_NOT_FOUND;
    } else {
      status =
          static_cast<Status>(openQuery(nullptr, 0, &query));  // no data source: the live system
      if (status != ERROR_SUCCESS) query = nullptr;
    }
  }
  ~Impl() {
    if (query) closeQuery(query);  // closes its counters too
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  UniqueLibrary library = loadSystemLibrary(L"pdh.dll");
  OpenQueryFn openQuery = entryPoint<OpenQueryFn>(library.get(), "PdhOpenQueryW");
  AddEnglishCounterFn addEnglishCounter =
      entryPoint<AddEnglishCounterFn>(library.get(), "PdhAddEnglishCounterW");
  CollectFn collect = entryPoint<CollectFn>(library.get(), "PdhCollectQueryData");
  FormattedArrayFn formattedArray =
      entryPoint<FormattedArrayFn>(library.get(), "PdhGetFormattedCounterArrayW");
  FormattedValueFn formattedValue =
      entryPoint<FormattedValueFn>(library.get(), "PdhGetFormattedCounterValue");
  CloseQueryFn closeQuery = entryPoint<CloseQueryFn>(library.get(), "PdhCloseQuery");
  PDH_HQUERY query = nullptr;
  Status status = ERROR_SUCCESS;
  // The array's items, then the names they point to; 8-byte words, since
  // the items hold doubles.
  std::vector<std::uint64_t> buffer;
};

PdhQuery::PdhQuery() : impl_(std::make_unique<Impl>()) {}
PdhQuery::~PdhQuery() = default;
PdhQuery::PdhQuery(PdhQuery&&) noexcept = default;
PdhQuery& PdhQuery::operator=(PdhQuery&&) noexcept = default;

PdhQuery::Status PdhQuery::openStatus() const {
  return impl_ ? impl_->status : ERROR_INVALID_HANDLE;
}

PdhQuery::Status PdhQuery::addEnglishCounter(const std::wstring& path, Counter& counter) {
  if (openStatus() != ERROR_SUCCESS) return openStatus();
  PDH_HCOUNTER added = nullptr;
  const PDH_STATUS status = impl_->addEnglishCounter(impl_->query, path.c_str(), 0, &added);
  if (status == ERROR_SUCCESS) {
    const bool wildcard = path.find(L'*') != std::wstring::npos;
    counter = {added, wildcard, wildcard ? std::string() : instanceOf(path)};
  }
  return static_cast<Status>(status);
}

PdhQuery::Status PdhQuery::collect() {
  if (openStatus() != ERROR_SUCCESS) return openStatus();
  return static_cast<Status>(impl_->collect(impl_->query));
}

PdhQuery::Status PdhQuery::readInstances(const Counter& counter,
                                         std::vector<CounterInstance>& into) {
  into.clear();
  if (openStatus() != ERROR_SUCCESS) return openStatus();
  if (!counter.wildcard) {
    PDH_FMT_COUNTERVALUE value{};
    const auto status =
        static_cast<Status>(impl_->formattedValue(counter.handle, kFormat, nullptr, &value));
    if (status == ERROR_SUCCESS && valid(value))
      into.push_back({counter.instance, value.doubleValue});
    return status;
  }
  std::vector<std::uint64_t>& buffer = impl_->buffer;
  Status status = PDH_MORE_DATA;
  DWORD count = 0;
  for (int attempt = 0; attempt < kArrayAttempts && status == PDH_MORE_DATA; ++attempt) {
    // The size comes only from a call without a buffer: one too small may
    // answer a size that is no use.
    DWORD bytes = 0;
    status = static_cast<Status>(
        impl_->formattedArray(counter.handle, kFormat, &bytes, &count, nullptr));
    if (status != PDH_MORE_DATA) {
      count = 0;  // success without a buffer: no instances
      break;
    }
    buffer.resize(bytes / sizeof(std::uint64_t) + 1);
    bytes = static_cast<DWORD>(buffer.size() * sizeof(std::uint64_t));
    status = static_cast<Status>(
        impl_->formattedArray(counter.handle, kFormat, &bytes, &count,
                              reinterpret_cast<PDH_FMT_COUNTERVALUE_ITEM_W*>(buffer.data())));
  }
  if (status != ERROR_SUCCESS) return status;
  const auto* items = reinterpret_cast<const PDH_FMT_COUNTERVALUE_ITEM_W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    if (!valid(items[i].FmtValue)) continue;
    into.push_back(
        {items[i].szName ? narrow(items[i].szName) : std::string(), items[i].FmtValue.doubleValue});
  }
  return ERROR_SUCCESS;
}

}  // namespace dozorik::win32
